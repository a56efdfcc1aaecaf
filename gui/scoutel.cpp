#include "scoutel.h"

#include "devicelist.h"
#include "devicerowcontent.h"
#include "dialogedit.h"
#include "fieldtags.h"
#include "networkinterfaces.h"
#include "randomsource.h"
#include "scoutelclient.h"
#include "settings.h"
#include "ui_scoutel.h"

#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <utility>

namespace {
const char ApplicationName[] = "Scoutel";
const char ApplicationVersion[] = SCOUTEL_VERSION_TEXT;
const char WaitingMovie[] = ":/images/Loading1.gif";
const char NothingPicture[] = ":/images/Nothing.png";
constexpr int NothingIndex = 0;
constexpr qint64 RowSliceMs = 20;
constexpr int ColumnsShownAtStart[] = {ColumnMac,    ColumnCurrentIp, ColumnName,
                                       ColumnHwName, ColumnHwVersion, ColumnInterface};

} // namespace

Scoutel::Scoutel(QWidget *parent)
    : QDialog(parent), form(new Ui::Scoutel), settings(new Settings(this)),
      client(new ScoutelClient(this)),
      run({[this] { client->clearSequences(); },
           [this](const ScoutelContainer &target) {
               return client->search(settings->interfaceIndex, &target) == 0
                          ? QString()
                          : client->errorString();
           },
           [this](const ScoutelContainer &target) {
               return client->configure(settings->interfaceIndex, &target) == 0
                          ? QString()
                          : client->errorString();
           }},
          ConfigurationPhaseTicks)
{
    QCoreApplication::setApplicationName(QLatin1String(ApplicationName));
    QCoreApplication::setApplicationVersion(QLatin1String(ApplicationVersion));
    form->setupUi(this);
    rows.emplace(form->tree);

    settings->loadSettings();
    settings->restoreGeometry(this, QString());
    settings->applySettings();
    setWindowFlags(Qt::Window);
    RandomSource::seed(quint32(QDateTime::currentSecsSinceEpoch()));
    connect(client, &ScoutelClient::located, this, &Scoutel::located);

    prepareTree();
    buildButtonMenu();
    fillLanguageMenu();

    rowWriter = new QTimer(this);
    rowWriter->setInterval(0);
    connect(rowWriter, &QTimer::timeout, this, [this] { showPendingRows(RowSliceMs); });

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
    menu->addAction(form->actionExportList);
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
    return state & (StateSearching | StateChallenging);
}

void Scoutel::updateUi()
{
    SkTreeWidget *tree = form->tree;
    const bool empty = tree->topLevelItemCount() == 0;
    const bool busy = isBusy();
    form->buttonRefresh->setEnabled(form->buttonRefresh->isChecked() || !busy);
    // A new edit would drop the running operation before its summary.
    const bool running = run.isRunning();
    form->buttonEdit->setEnabled(!running);
    form->actionEdit->setEnabled(!running);
    form->actionExportList->setEnabled(!empty);
    form->buttonEdit->setToolTip(
        running ? tr("Edit waits until the running configuration has its summary.") : QString());
    showBackground(!(state & StateCleared) && !busy && empty, busy);
    if (tree->isHeaderHidden() != empty)
        tree->setHeaderHidden(empty);
    form->labelCount->setText(empty ? QString() : countText());
}

QString Scoutel::countText() const
{
    const int total = form->tree->topLevelItemCount();
    const int shown = rows->shownCount();
    const QString devices =
        shown == total ? tr("%Ln device(s)", nullptr, total)
                       : tr("%1 of %Ln device(s)", nullptr, total).arg(QLocale().toString(shown));
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
    refresh();
}

void Scoutel::refresh()
{
    state &= ~StateCleared;
    // The confirmations of a running operation still count.
    if (!run.isRunning())
        client->clearSequences();
    session.begin();
    searchCountdown = SearchPeriodTicks;
    if (client->search(settings->interfaceIndex, nullptr) != 0) {
        // Repeating would open one more box every period.
        form->buttonRefresh->setCheckable(false);
        warn(tr("Send error: %1").arg(client->errorString()));
        return;
    }
    state |= StateSearching;
    updateUi();
}

void Scoutel::tick()
{
    if (state & StateEditing)
        return;
    client->readArrived();
    follow(run.tick());
    if (state & StateChallenging)
        return;
    if (searchCountdown <= 0 || --searchCountdown > 0)
        return;
    state &= ~StateSearching;
    showPendingRows(-1);
    purgeStale();
    updateUi();
    if (form->buttonRefresh->isChecked())
        refresh();
}

void Scoutel::clear()
{
    state = StateCleared;
    pendingRows.clear();
    pendingOrder.clear();
    rows->clear();
    updateUi();
}

void Scoutel::on_actionClear_triggered()
{
    clear();
}

void Scoutel::located(int protocolResult, ScoutelContainer container)
{
    // Answers that cannot be decoded never touch the rows.
    if (protocolResult != 0) {
        run.receiveError(client->errorString());
        return;
    }
    if (container->command == Sctl::SearchAnswer) {
        session.receive(container);
        showDevice(container);
    }
    follow(run.receive(container));
}

void Scoutel::showDevice(const ScoutelContainer &record)
{
    // Rows are written in slices between which the window repaints and stays
    // responsive; a device answering twice before its turn is written once.
    if (!pendingRows.contains(record->mac))
        pendingOrder.append(record->mac);
    pendingRows.insert(record->mac, record);
    if (!rowWriter->isActive())
        rowWriter->start();
}

void Scoutel::showPendingRows(qint64 budgetMs)
{
    QElapsedTimer slice;
    slice.start();
    while (!pendingOrder.isEmpty() && (budgetMs < 0 || !slice.hasExpired(budgetMs)))
        rows->show(pendingRows.take(pendingOrder.takeFirst()));
    rows->keepSorted();
    if (pendingOrder.isEmpty())
        rowWriter->stop();
    updateUi();
}

void Scoutel::purgeStale()
{
    rows->removeStale(session.devices());
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
    editSelected();
}

void Scoutel::editSelected()
{
    // Edit is disabled then; a shortcut must not drop the operation either.
    if (run.isRunning())
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
    run.reset();
    const QHash<QByteArray, ScoutelContainer> &devices = session.devices();
    for (const QTreeWidgetItem *row : std::as_const(selected)) {
        const auto record = devices.constFind(DeviceRows::key(row));
        if (record != devices.constEnd())
            run.targets().append(record.value());
    }
    if (run.targets().isEmpty())
        return;
    state |= StateEditing;
    DialogEdit dialog(run.targets(), settings, this);
    dialog.setHeldAddresses(addressesBeyondTargets());
    dialog.prepare();
    const bool accepted = dialog.exec() == QDialog::Accepted;
    state &= ~StateEditing;
    if (accepted && !run.targets().isEmpty())
        sendChallengeRequests();
}

QSet<quint32> Scoutel::addressesBeyondTargets() const
{
    // Every device seen, also one that missed the last search: it may be back.
    QSet<QByteArray> targetMacs;
    for (const ScoutelContainer &target : std::as_const(run.targets()))
        targetMacs.insert(target->mac);
    QSet<quint32> held;
    for (const ScoutelContainer &device : session.devices()) {
        if (!targetMacs.contains(device->mac))
            held.unite(AddressPlan::addressesOf(*device.constData()));
    }
    return held;
}

void Scoutel::sendChallengeRequests()
{
    searchAfterSummary = true;
    follow(run.start());
}

void Scoutel::follow(const ConfigurationRun::Step &step)
{
    const quint32 before = state;
    if (step.clearDevices)
        clear();
    if (step.idle)
        state = StateIdle;
    if (run.phase() == ConfigurationRun::Phase::Challenging)
        state |= StateChallenging;
    else
        state &= ~StateChallenging;
    if (step.summary)
        searchCountdown = 0;
    // Most answers change nothing here; a thousand of them need no update each.
    if (state != before || step.idle)
        updateUi();
    if (!step.sendError.isEmpty())
        warn(tr("Send error: %1").arg(step.sendError));
    if (step.summary)
        showSummary(*step.summary);
}

void Scoutel::showSummary(const ConfigurationRun::Summary &summary)
{
    auto *box = new QMessageBox(this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (summary.succeeded) {
        box->setIcon(QMessageBox::Information);
        box->setText(tr("Operation completed successfully."));
    } else {
        box->setIcon(QMessageBox::Warning);
        box->setText(tr("There were some errors."));
    }
    box->setInformativeText(summary.report + summary.strays);
    // The rows then show what the devices report after the change; a
    // continuous search already asks again. Only once per operation: a device
    // answering the search with a late confirmation would bring one more
    // summary, and each would search again.
    if (std::exchange(searchAfterSummary, false)) {
        connect(box, &QMessageBox::finished, this, [this] {
            if (!form->buttonRefresh->isChecked() && !run.isRunning())
                refresh();
        });
    }
    box->open();
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
            *session.devices().value(DeviceRows::key(device)).constData());
        form->actionOpenWebPage->setData(page);
        form->actionOpenWebPage->setEnabled(!page.isEmpty());
        menu.addActions({form->actionEdit, form->actionCopy, form->actionOpenWebPage});
        menu.addSeparator();
    }
    menu.addActions({form->actionSelectAll, form->actionDeselectAll});
    menu.addSeparator();
    menu.addActions({form->actionExpandAll, form->actionCollapseAll});
    menu.addSeparator();
    menu.addActions({form->actionExportList, form->actionClear});
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
    showPendingRows(-1);
    const SkTreeWidget *tree = form->tree;
    const QHash<QByteArray, ScoutelContainer> &devices = session.devices();
    QList<ScoutelContainer> records;
    records.reserve(tree->topLevelItemCount());
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const auto record = devices.constFind(DeviceRows::key(tree->topLevelItem(i)));
        if (record != devices.constEnd())
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

void Scoutel::closeEvent(QCloseEvent *event)
{
    event->accept();
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
