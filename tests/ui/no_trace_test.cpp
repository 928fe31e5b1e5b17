// Qt's own file and colour dialogs keep their state (last folder, history,
// custom colours) in the user's QtProject.conf. The program stores nothing
// between runs: the real dialogs, answered here, must leave the user's
// configuration as it was, read nothing from it, and leave no folder behind.
//
// HOME and the XDG folders point at a fresh folder before Qt starts, so the
// test never touches the account it runs under.
#include "app/platform.h"
#include "hang_guard.h"

#include <QApplication>
#include <QColorDialog>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace zelk;
using namespace zelk::test;

namespace {

QTemporaryDir* userFolders = nullptr; // made in main, before Qt reads the environment

QString configFolder() {
    return userFolders->filePath(QStringLiteral("config"));
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every file and folder below the user's folders, with the bytes of each file.
QStringList contents() {
    QStringList entries;
    QDirIterator it(userFolders->path(),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries << QDir(userFolders->path()).relativeFilePath(path) + QLatin1Char('=') +
                       QString::fromLatin1(readBytes(path).toHex());
    }
    entries.sort();
    return entries;
}

} // namespace

class NoTraceTest : public QObject {
    Q_OBJECT

    HangGuard guard{std::chrono::seconds(20)};
    QString settingsDuringDialog; // where the dialog's settings went
    QString folderShown;          // where a file dialog opened
    bool answered = false;

    // Answers the next modal dialog from the event loop it runs.
    void answerNextDialog(std::function<void(QWidget*)> answer) {
        answered = false;
        auto* poll = new QTimer(qApp);
        poll->setInterval(10);
        connect(poll, &QTimer::timeout, this, [this, poll, answer] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            poll->deleteLater();
            poll->stop();
            settingsDuringDialog =
                QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName();
            if (auto* files = qobject_cast<QFileDialog*>(dialog))
                folderShown = files->directory().absolutePath();
            answer(dialog);
            answered = true;
        });
        poll->start();
    }

    static void chooseFile(QWidget* dialog, const QString& path) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        QVERIFY2(files, qPrintable(dialog->metaObject()->className()));
        files->selectFile(path);
        static_cast<QDialog*>(files)->accept(); // as the dialog's own button does
    }

private slots:
    void initTestCase() {
        // A previous run of some Qt program left its file dialog's state.
        QVERIFY(QDir().mkpath(configFolder()));
        QVERIFY(QDir().mkpath(userFolders->filePath(QStringLiteral("remembered"))));
        QFile conf(configFolder() + QStringLiteral("/QtProject.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[FileDialog]\nlastVisited=file://" +
                   QFile::encodeName(userFolders->filePath(QStringLiteral("remembered"))) +
                   "\nhistory=file://" +
                   QFile::encodeName(userFolders->filePath(QStringLiteral("remembered"))) + "\n");
        conf.close();
        // Proof that Qt reads the user's settings from the folder set up in main.
        QCOMPARE(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName(),
                 configFolder() + QStringLiteral("/QtProject.conf"));
    }

    void theFileDialogsRememberNothingBetweenRuns() {
        const QStringList before = contents();
        const QString saved = userFolders->filePath(QStringLiteral("work/report.txt"));
        QVERIFY(QDir().mkpath(QFileInfo(saved).path()));
        QString runFolder;
        {
            QtPlatform qt;
            answerNextDialog([saved](QWidget* dialog) { chooseFile(dialog, saved); });
            guard.arm("the Save As dialog");
            const std::optional<QString> chosen =
                qt.saveFileName(nullptr, QString(), {QStringLiteral("Text Files (*.txt)")});
            guard.disarm();
            QVERIFY(answered);
            QCOMPARE(chosen, std::optional(saved));
            QVERIFY2(folderShown != userFolders->filePath(QStringLiteral("remembered")),
                     "the dialog opened in the folder a former run remembered");
            runFolder = QFileInfo(settingsDuringDialog).path();
            QVERIFY2(!runFolder.startsWith(userFolders->path()), qPrintable(runFolder));

            QFile file(saved);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            answerNextDialog([saved](QWidget* dialog) { chooseFile(dialog, saved); });
            guard.arm("the Open dialog");
            const std::optional<QString> opened =
                qt.openFileName(nullptr, {QStringLiteral("Text Files (*.txt)")});
            guard.disarm();
            QVERIFY(answered);
            QCOMPARE(opened, std::optional(saved));
            QVERIFY(QFileInfo::exists(runFolder));
        }
        QVERIFY2(!QFileInfo::exists(runFolder), "the folder for the run's dialog state was left");
        QFile::remove(saved);
        QDir().rmdir(QFileInfo(saved).path());
        QCOMPARE(contents(), before);
    }

    void theColourDialogKeepsNoCustomColours() {
        const QStringList before = contents();
        {
            QtPlatform qt;
            answerNextDialog([](QWidget* dialog) {
                // A custom colour added is what the dialog would save.
                QColorDialog::setCustomColor(0, QColor(12, 34, 56));
                qobject_cast<QDialog*>(dialog)->accept();
            });
            guard.arm("the colour dialog");
            QVERIFY(qt.color(nullptr, Qt::red).has_value());
            guard.disarm();
            QVERIFY(answered);
        }
        QCOMPARE(contents(), before);
    }

    // Without a temporary folder the state goes where nothing can be made.
    void withNoTemporaryFolderNothingIsWrittenEither() {
        const QStringList before = contents();
        const QString missing = userFolders->filePath(QStringLiteral("no-such-tmp"));
        const QByteArray oldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(missing));
        {
            QtPlatform qt;
            answerNextDialog([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
            guard.arm("the Open dialog without a temporary folder");
            QCOMPARE(qt.openFileName(nullptr, {QStringLiteral("All Files (*)")}), std::nullopt);
            guard.disarm();
            QVERIFY(answered);
        }
        if (oldTmp.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", oldTmp);
        QVERIFY2(settingsDuringDialog.startsWith(QStringLiteral("/dev/null/")),
                 qPrintable(settingsDuringDialog));
        QVERIFY(!QFileInfo::exists(missing));
        QCOMPARE(contents(), before);
    }
};

int main(int argc, char* argv[]) {
    QTemporaryDir folders;
    if (!folders.isValid())
        return 2;
    userFolders = &folders;
    qputenv("HOME", QFile::encodeName(folders.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folders.filePath(QStringLiteral("config"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(folders.filePath(QStringLiteral("cache"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(folders.filePath(QStringLiteral("data"))));
    qputenv("XDG_STATE_HOME", QFile::encodeName(folders.filePath(QStringLiteral("state"))));
    QApplication app(argc, argv);
    NoTraceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "no_trace_test.moc"
