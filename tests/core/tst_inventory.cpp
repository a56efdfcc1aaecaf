// The device memory: what a search says against what was remembered, and the
// file that keeps it between runs.
#include "inventoryfile.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
// "id@net name": device 02-00-00-00-00-id answering in 10.net.0.0/16.
ScoutelSharedData answerOf(const QString &device)
{
    ScoutelSharedData answer;
    const QStringList parts = device.split(QLatin1Char(' '));
    const int id = parts.at(0).section('@', 0, 0).toInt();
    const int net = parts.at(0).section('@', 1).toInt();
    answer.mac = QByteArray::fromHex("020000000000");
    answer.mac[5] = char(id);
    answer.sender = QHostAddress(quint32(0x0A000000 | net << 16 | id));
    answer.interfaceSubnets = {{QHostAddress(quint32(0x0A000001 | net << 16)), 16}};
    answer.name = parts.value(1, QStringLiteral("Safe"));
    answer.presentFields = FieldName;
    return answer;
}

// What a search said, one word group per device in MAC order.
QString verdict(Inventory &inventory, const QStringList &answered)
{
    QStringList said;
    for (const QString &device : answered) {
        const ScoutelSharedData answer = answerOf(device);
        const Sighting seen = inventory.see(answer, 2000);
        QStringList changes;
        for (const InventoryChange &change : seen.changes)
            changes << change.key + ' ' + change.before.toString() + '>' + change.after.toString();
        if (seen.firstSeen)
            said << (seen.markedNew ? "new " : "first ") + QString::number(answer.mac[5]);
        if (!changes.isEmpty())
            said << "changed " + QString::number(answer.mac[5]) + ' ' + changes.join(',');
    }
    for (const InventoryEntry &entry : inventory.missing())
        said << "missing " + QString::number(entry.mac[5]);
    return said.join(QLatin1String("; "));
}

Inventory remembering(const QStringList &devices)
{
    Inventory inventory;
    inventory.beginSearch();
    for (const QString &device : devices)
        inventory.see(answerOf(device), 1000);
    return inventory;
}
} // namespace

class TestInventory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void search_data()
    {
        QTest::addColumn<QStringList>("remembered");
        QTest::addColumn<QStringList>("ownChanges"); // "id name" confirmed by an operation
        QTest::addColumn<QStringList>("reached");    // networks reached without an answer
        QTest::addColumn<QStringList>("answered");
        QTest::addColumn<QString>("said");
        const QStringList none;
        QTest::newRow("first search of a network")
            << none << none << none << QStringList{"1@1", "2@1"} << "first 1; first 2";
        QTest::newRow("new beside known") << QStringList{"1@1"} << none << none
                                          << QStringList{"1@1", "2@1", "3@2"} << "new 2; first 3";
        QTest::newRow("renamed") << QStringList{"1@1 S3"} << none << none << QStringList{"1@1 S03"}
                                 << "changed 1 name S3>S03";
        QTest::newRow("renamed here") << QStringList{"1@1 S3"} << QStringList{"1 S03"} << none
                                      << QStringList{"1@1 S03"} << "";
        QTest::newRow("renamed here, then elsewhere")
            << QStringList{"1@1 S3"} << QStringList{"1 S03"} << none << QStringList{"1@1 X"}
            << "changed 1 name S03>X";
        QTest::newRow("missing") << QStringList{"1@1", "2@1"} << none << none << QStringList{"1@1"}
                                 << "missing 2";
        QTest::newRow("two sites")
            << QStringList{"1@1", "2@2"} << none << none << QStringList{"1@1"} << "";
        QTest::newRow("site reached, silent") << QStringList{"1@1", "2@2"} << none
                                              << QStringList{"10.2.0.0/16"} << none << "missing 2";
        QTest::newRow("moved") << QStringList{"1@1", "2@1"} << none << none
                               << QStringList{"1@1", "2@2"}
                               << "changed 2 network 10.1.0.0/16>10.2.0.0/16";
    }
    void search()
    {
        QFETCH(QStringList, remembered);
        QFETCH(QStringList, ownChanges);
        QFETCH(QStringList, reached);
        QFETCH(QStringList, answered);
        Inventory inventory = remembering(remembered);
        for (const QString &own : ownChanges) {
            ScoutelSharedData sent = answerOf(own.section(' ', 0, 0) + "@1 " + own.section(' ', 1));
            sent.sendFields = FieldName | FieldApply;
            inventory.noteOwnChange(sent.mac, Inventory::valuesSent(sent));
        }
        inventory.beginSearch();
        for (const QString &network : reached)
            inventory.addReached(network);
        QTEST(verdict(inventory, answered), "said");
    }

    void roundTrip()
    {
        QTemporaryDir home;
        const QString path = home.filePath("data/inventory.json");
        Inventory inventory = remembering({"1@1 S1", "2@2 S2"});
        inventory.see(answerOf("1@1 S01"), 3000);
        QVERIFY(InventoryFile::save(path, inventory).isEmpty());
        QCOMPARE(int(QFile::permissions(path) & 0x0777), 0x0600);
        QCOMPARE(int(QFile::permissions(home.filePath("data")) & 0x0777), 0x0700);
        const InventoryFile::Loaded loaded = InventoryFile::load(path);
        QVERIFY(loaded.problem.isEmpty());
        QCOMPARE(loaded.inventory.toJson(), inventory.toJson());
        QCOMPARE(loaded.inventory.find(answerOf("1@1").mac)->lastChange.size(), 1);
    }

    void unreadableSetAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray whole = remembering({"1@1"}).toJson();
        QTest::newRow("truncated") << whole.left(whole.size() - 9);
        QTest::newRow("not json") << QByteArray("\x00\xff{", 3);
        QTest::newRow("other version")
            << QByteArray(whole).replace("\"version\":1", "\"version\":2");
        QTest::newRow("bad mac") << QByteArray(whole).replace("02-00", "02:00");
        QTest::newRow("too large") << QByteArray();
    }
    void unreadableSetAside()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir home;
        const QString path = home.filePath("inventory.json");
        QVERIFY(writeFileContent(path, content));
        if (content.isEmpty())
            QVERIFY(QFile(path).resize(InventoryFile::MaxSize + 1));
        const InventoryFile::Loaded loaded = InventoryFile::load(path);
        QVERIFY(loaded.problem.contains("inventory.json.bad-"));
        QCOMPARE(loaded.inventory.size(), 0);
        const QStringList aside = QDir(home.path()).entryList({"inventory.json.bad-*"});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(QFileInfo(home.filePath(aside.first())).size(),
                 content.isEmpty() ? InventoryFile::MaxSize + 1 : content.size());
        // Reported once: the next run starts afresh.
        QVERIFY(InventoryFile::load(path).problem.isEmpty());
    }

    void interruptedSaveKeepsOldFile()
    {
        QTemporaryDir home;
        const QString path = home.filePath("inventory.json");
        const Inventory old = remembering({"1@1"});
        QVERIFY(InventoryFile::save(path, old).isEmpty());
        QVERIFY(!InventoryFile::save(path, remembering({"1@1", "2@1"}), [] {
                     return false;
                 }).isEmpty());
        QCOMPARE(fileContent(path), old.toJson());
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{"inventory.json"});
    }
};

QTEST_GUILESS_MAIN(TestInventory)
#include "tst_inventory.moc"
