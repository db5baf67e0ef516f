// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the trainer looks for its bank: an installed trainer prefers the trainee's own bank
// in the XDG data folder; a trainer in a build or program folder reads Dat/ beside itself.
#include "programfolder.h"
#include "translations.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestBankFolder : public QObject {
    Q_OBJECT

private:
    static void touch(const QString &path, bool executable = false)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (executable)
            QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
    }

private slots:
    void choosesTheFolderWhoseDatHoldsTheBank_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("launcher");
        QTest::addColumn<bool>("userBank");
        QTest::addColumn<bool>("expectUser");

        QTest::newRow("installed, own bank") << "usr/lib/drvq" << true << true << true;
        QTest::newRow("installed, own workgroup file only") << "usr/lib/drvq" << true << false << true;
        QTest::newRow("installed, no own bank") << "usr/lib/drvq" << true << false << false;
        QTest::newRow("lib/drvq without the launcher") << "usr/lib/drvq" << false << true << false;
        QTest::newRow("build folder, own bank") << "src/build" << false << true << false;
        QTest::newRow("build folder named drvq") << "src/drvq" << true << true << false;
    }

    void choosesTheFolderWhoseDatHoldsTheBank()
    {
        QFETCH(QString, program);
        QFETCH(bool, launcher);
        QFETCH(bool, userBank);
        QFETCH(bool, expectUser);

        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString programFolder = root.filePath(program) + u'/';
        const QString userFolder = root.filePath(QStringLiteral("home/.local/share/drvq")) + u'/';
        touch(programFolder + QStringLiteral("Dat/drvq.mdb"));
        if (launcher)
            touch(QDir::cleanPath(programFolder + QStringLiteral("../../bin/drvq")), true);
        if (userBank)
            touch(userFolder + QStringLiteral("Dat/drvq.mdb"));
        // Half of a bank of one's own is still the bank meant, reported with the file missing.
        if (QByteArray(QTest::currentDataTag()).contains("workgroup file only"))
            touch(userFolder + QStringLiteral("Dat/Morvel.mdw"));

        QCOMPARE(chooseBankFolder(programFolder, userFolder), expectUser ? userFolder : programFolder);
    }

    // The message names the missing file and says how to put a bank in place, in the way
    // that fits where the bank was looked for.
    void missingBankMessageNamesTheFileAndTheWayOut_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("ownBank");
        QTest::addColumn<QString>("missingFile");
        QTest::addColumn<QStringList>("mentions");

        QTest::newRow("build folder, no bank") << false << false << "drvq.mdb"
                                               << QStringList{"~/src/build/Dat/drvq.mdb", "make build"};
        QTest::newRow("build folder, no workgroup file") << false << false << "Morvel.mdw"
                                                         << QStringList{"~/src/build/Dat/Morvel.mdw", "workgroup"};
        QTest::newRow("installed, sample gone") << true << false << "drvq.mdb"
                                                << QStringList{"~/usr/lib/drvq/Dat/drvq.mdb", "reinstall",
                                                               "~/.local/share/drvq/Dat/"};
        QTest::newRow("installed, own bank half there") << true << true << "Morvel.mdw"
                                                        << QStringList{"~/.local/share/drvq/Dat/Morvel.mdw",
                                                                       "Remove the folder"};
        QTest::newRow("installed, own bank without drvq.mdb") << true << true << "drvq.mdb"
                                                              << QStringList{"~/.local/share/drvq/Dat/drvq.mdb",
                                                                             "Remove the folder"};
    }

    void missingBankMessageNamesTheFileAndTheWayOut()
    {
        QFETCH(bool, installed);
        QFETCH(bool, ownBank);
        QFETCH(QString, missingFile);
        QFETCH(QStringList, mentions);

        QTemporaryDir home;
        QVERIFY(home.isValid());
        qputenv("HOME", home.path().toUtf8());
        const QString programFolder = home.filePath(installed ? QStringLiteral("usr/lib/drvq") : QStringLiteral("src/build")) + u'/';
        const QString userFolder = home.filePath(QStringLiteral(".local/share/drvq")) + u'/';
        if (installed)
            touch(QDir::cleanPath(programFolder + QStringLiteral("../../bin/drvq")), true);
        const QString bankFolder = ownBank ? userFolder : programFolder;
        for (const QString &name : {QStringLiteral("drvq.mdb"), QStringLiteral("Morvel.mdw")}) {
            if (name != missingFile)
                touch(bankFolder + QStringLiteral("Dat/") + name);
        }
        QVERIFY2(!installed || isInstalledProgramFolder(programFolder), qPrintable(programFolder));
        QCOMPARE(chooseBankFolder(programFolder, userFolder), bankFolder);

        const QString message = missingBankMessage(bankFolder, programFolder, userFolder);
        for (const QString &mention : mentions)
            QVERIFY2(message.contains(mention), qPrintable(message));
        QVERIFY2(!message.contains(home.path()), qPrintable(message));

        touch(bankFolder + QStringLiteral("Dat/") + missingFile);
        QCOMPARE(missingBankMessage(bankFolder, programFolder, userFolder), QString());
    }

    // A bank that is there but cannot be read: the damage, then what to do, as the trainee
    // reads it (in Chinese), for each place the bank may have come from.
    void damagedBankMessageSaysWhatToDo_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("ownBank");
        QTest::addColumn<QString>("advice");

        QTest::newRow("build folder") << false << false
                                      << "无法读取 ~/src/build/Dat/ 中的题库。请把题库的两个文件 drvq.mdb 和 Morvel.mdw "
                                         "重新复制到这个文件夹（运行“make build”会在那里生成示例题库）。";
        QTest::newRow("own bank") << true << true
                                  << "无法读取 ~/.local/share/drvq/Dat/ 中的自备题库。请把自备题库的两个文件 drvq.mdb 和 "
                                     "Morvel.mdw 重新复制到这个文件夹；或者删除文件夹 ~/.local/share/drvq/Dat/，改回使用"
                                     "程序自带的示例题库。";
        QTest::newRow("installed sample") << true << false
                                          << "无法读取 ~/usr/lib/drvq/Dat/ 中的示例题库。请重新安装软件包，把它的两个文件 "
                                             "drvq.mdb 和 Morvel.mdw 重新放回原处。";
    }

    void damagedBankMessageSaysWhatToDo()
    {
        QFETCH(bool, installed);
        QFETCH(bool, ownBank);
        QFETCH(QString, advice);
        QVERIFY(installTranslations(*QCoreApplication::instance(), QLocale(QLocale::Chinese, QLocale::China)));
        QTemporaryDir home;
        QVERIFY(home.isValid());
        qputenv("HOME", home.path().toUtf8());
        const QString programFolder = home.filePath(installed ? QStringLiteral("usr/lib/drvq") : QStringLiteral("src/build")) + u'/';
        const QString userFolder = home.filePath(QStringLiteral(".local/share/drvq")) + u'/';
        if (installed)
            touch(QDir::cleanPath(programFolder + QStringLiteral("../../bin/drvq")), true);
        const QString damage = QStringLiteral("drvq.mdb：表 choose 的第 7 页已损坏");
        QCOMPARE(damagedBankMessage(damage, ownBank ? userFolder : programFolder, programFolder, userFolder),
                 damage + QStringLiteral("\n\n") + advice);
    }

    void userFolderIsInTheXdgDataFolder()
    {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        QCOMPARE(userBankFolder(), home.path() + QStringLiteral("/drvq/"));
    }
};

QTEST_GUILESS_MAIN(TestBankFolder)
#include "tst_bankfolder.moc"
