// Saving and opening when the disk says no: every fault shows the message
// naming the file, leaves the editor as it was and every existing file byte
// for byte, and leaves no stray file behind. Opening never crashes or blocks.
// The files are real, through the Qt platform's own reads and writes.
//
// CI runs as root, for whom file modes stop nothing; the rows that rely on
// modes are skipped there, and places no one can write or read (the kernel's
// own /proc and /sys, a path below a plain file) stand in for them.
#include "core/text_file.h"
#include "editor/text_editor.h"
#include "hang_guard.h"
#include "ui_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>

#include <csignal>
#include <optional>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zelk;
using namespace zelk::test;

namespace {

// Scripted dialogs, real files.
class DiskPlatform : public ScriptedPlatform {
public:
    std::optional<QByteArray> readFile(const QString& path, QString& error) override {
        return disk.readFile(path, error);
    }
    bool writeFile(const QString& path, const QByteArray& data, QString& error) override {
        return disk.writeFile(path, data, error);
    }

    QtPlatform disk;
};

constexpr qint64 kMiB = 1024 * 1024;

bool runningAsRoot() {
    return geteuid() == 0;
}

// Only regular files: opening a pipe would wait for a writer.
QByteArray readBytes(const QString& path) {
    if (!QFileInfo(path).isFile())
        return QByteArray("<not a regular file>");
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

bool isPipe(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

// Every entry below a folder, hidden ones too, so a stray temporary file shows.
QStringList listing(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(folder).relativeFilePath(it.next());
    entries.sort();
    return entries;
}

// A write-only kernel attribute: no one, root included, may open it to read.
QString writeOnlySystemFile() {
    QDirIterator it(QStringLiteral("/sys/bus"), {QStringLiteral("uevent")},
                    QDir::Files | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        if (!info.permission(QFileDevice::ReadOwner) && info.permission(QFileDevice::WriteOwner))
            return path;
    }
    return {};
}

// Sets the file size limit for its lifetime: a stand-in for a disk that fills
// up part way through a write.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ok_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool ok() const { return ok_; }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = SIG_DFL;
    bool ok_ = false;
};

enum class SaveFault {
    MissingFolder,
    OntoAFolder,
    BelowAPlainFile,
    ReadOnlyFolderByMode,
    ReadOnlyFileByMode,
    KernelFolderProc,
    KernelFolderSys,
    KernelFile,
    OntoAPipe,
    FailsPartWaySave,
    FailsPartWaySaveAs,
};

enum class OpenFault {
    Missing,
    Folder,
    UnreadableByMode,
    UnreadableKernelFile,
    Pipe,
    Device,
    OverTheLimit,
};

struct Snapshot {
    QString text;
    QString title;
    QString file;
    bool modified = false;

    static Snapshot of(const TextEditor& editor, const QTextEdit& rtf) {
        return {rtf.toPlainText(), editor.windowTitle(), editor.currentFileName(),
                editor.isModified()};
    }
    bool operator==(const Snapshot&) const = default;
};

char* toString(const Snapshot& s) {
    return qstrdup(qPrintable(QStringLiteral("{title \"%1\", file \"%2\", modified %3, %4 chars}")
                                  .arg(s.title, s.file)
                                  .arg(s.modified)
                                  .arg(s.text.size())));
}

} // namespace

Q_DECLARE_METATYPE(SaveFault)
Q_DECLARE_METATYPE(OpenFault)

class FileFaultsTest : public QObject {
    Q_OBJECT

    HangGuard guard{std::chrono::seconds(10)};
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<DiskPlatform> platform;
    std::unique_ptr<Program> program;
    TextEditor* editor = nullptr;
    QTextEdit* rtf = nullptr;
    QString existing; // the document's own file, opened at the start
    const QByteArray existingBytes = "old report\r\nsecond line\r\n";

    QString path(const char* name) const { return dir->filePath(QString::fromLatin1(name)); }

    // The message of the last fault, checked for the file and the reason.
    void expectOneMessageNaming(const QString& file, const QString& reason) {
        const QStringList messages = platform->messageTexts();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(QDir::toNativeSeparators(file)), qPrintable(messages[0]));
        QVERIFY2(messages[0].contains(reason), qPrintable(messages[0]));
        QCOMPARE(platform->shown.last().title, QStringLiteral("Editor"));
        QCOMPARE(platform->shown.last().icon, Platform::Icon::Warning);
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        existing = path("existing.txt");
        writeBytes(existing, existingBytes);
        platform = std::make_unique<DiskPlatform>();
        program = std::make_unique<Program>(*platform);
        editor = &program->screens().show<TextEditor>();
        rtf = child<QTextEdit>(editor, "rtf");
        QVERIFY(rtf);
        platform->fileNames.enqueue(existing);
        editor->openDocument();
        QCOMPARE(editor->currentFileName(), existing);
        QCOMPARE(rtf->toPlainText(), QStringLiteral("old report\nsecond line\n"));
        rtf->moveCursor(QTextCursor::End);
        QTest::keyClicks(rtf, QStringLiteral("typed"));
        QVERIFY(editor->isModified());
        platform->shown.clear();
    }

    void cleanup() {
        program.reset();
        platform.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        if (dir) {
            // A folder made read-only must be writable again to be removed.
            QFile::setPermissions(path("locked"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            dir.reset();
        }
    }

    void aFailedSaveChangesNothing_data() {
        QTest::addColumn<SaveFault>("fault");
        QTest::newRow("into_a_missing_folder") << SaveFault::MissingFolder;
        QTest::newRow("onto_a_folder") << SaveFault::OntoAFolder;
        QTest::newRow("below_a_plain_file") << SaveFault::BelowAPlainFile;
        QTest::newRow("into_a_read_only_folder") << SaveFault::ReadOnlyFolderByMode;
        QTest::newRow("onto_a_read_only_file") << SaveFault::ReadOnlyFileByMode;
        QTest::newRow("into_the_kernel_folder_proc") << SaveFault::KernelFolderProc;
        QTest::newRow("into_the_kernel_folder_sys") << SaveFault::KernelFolderSys;
        QTest::newRow("onto_a_kernel_file") << SaveFault::KernelFile;
        QTest::newRow("onto_a_pipe") << SaveFault::OntoAPipe;
        QTest::newRow("save_failing_part_way") << SaveFault::FailsPartWaySave;
        QTest::newRow("save_as_failing_part_way") << SaveFault::FailsPartWaySaveAs;
    }

    void aFailedSaveChangesNothing() {
        QFETCH(SaveFault, fault);
        QString target;
        QString reason; // part of the system's reason; empty where it varies
        bool viaSave = false;
        bool partWay = false;
        switch (fault) {
        case SaveFault::MissingFolder:
            target = path("missing/report.txt");
            reason = QStringLiteral("No such file or directory");
            break;
        case SaveFault::OntoAFolder:
            QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder")));
            target = path("folder");
            reason = QStringLiteral("It is a folder, not a file.");
            break;
        case SaveFault::BelowAPlainFile:
            target = existing + QStringLiteral("/report.txt");
            reason = QStringLiteral("Not a directory");
            break;
        case SaveFault::ReadOnlyFolderByMode:
            if (runningAsRoot())
                QSKIP("running as root: folder modes do not stop root (the kernel folder rows "
                      "stand in)");
            QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("locked")));
            QVERIFY(QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner));
            target = path("locked/report.txt");
            reason = QStringLiteral("Permission denied");
            break;
        case SaveFault::ReadOnlyFileByMode:
            if (runningAsRoot())
                QSKIP("running as root: file modes do not stop root (the kernel file row stands "
                      "in)");
            QVERIFY(QFile::setPermissions(existing, QFile::ReadOwner));
            target = existing;
            viaSave = true;
            break;
        case SaveFault::KernelFolderProc:
        case SaveFault::KernelFolderSys: {
            const QString folder = fault == SaveFault::KernelFolderProc ? QStringLiteral("/proc")
                                                                        : QStringLiteral("/sys");
            if (!QFileInfo(folder).isDir())
                QSKIP("this system has no kernel folder here");
            target = folder + QStringLiteral("/zelk-report.txt");
            break;
        }
        case SaveFault::KernelFile:
            if (!QFileInfo::exists(QStringLiteral("/proc/version")))
                QSKIP("this system has no /proc/version");
            target = QStringLiteral("/proc/version");
            break;
        case SaveFault::OntoAPipe:
            target = path("pipe");
            QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
            reason = QStringLiteral("It is not a regular file.");
            break;
        case SaveFault::FailsPartWaySave:
            target = existing;
            viaSave = true;
            partWay = true;
            break;
        case SaveFault::FailsPartWaySaveAs:
            target = path("new.txt");
            partWay = true;
            break;
        }
        if (partWay)
            editor->insertAtCaret(QString(64 * 1024, QLatin1Char('x')));

        const Snapshot before = Snapshot::of(*editor, *rtf);
        const QStringList filesBefore = listing(dir->path());
        const QByteArray targetBefore = readBytes(target);
        const bool targetExisted = QFileInfo::exists(target);
        const bool inKernel = target.startsWith(QStringLiteral("/proc/")) ||
                              target.startsWith(QStringLiteral("/sys/"));
        const QString targetFolder = QFileInfo(target).path();
        const QStringList kernelBefore =
            inKernel ? QDir(targetFolder).entryList(QDir::Files | QDir::Hidden) : QStringList();

        if (!viaSave) {
            platform->fileNames.enqueue(target);
            platform->saveFilters.enqueue(1); // "All Files": the name exactly as typed
        }
        guard.arm("saving to " + target.toStdString());
        {
            std::optional<FileSizeLimit> limit;
            if (partWay) {
                limit.emplace(4096);
                QVERIFY(limit->ok());
            }
            if (viaSave)
                editor->save();
            else
                editor->saveAs();
        }
        guard.disarm();

        expectOneMessageNaming(target, reason);
        QCOMPARE(Snapshot::of(*editor, *rtf), before);
        QVERIFY(editor->isVisible());
        QCOMPARE(readBytes(existing), existingBytes);
        QCOMPARE(listing(dir->path()), filesBefore);
        QCOMPARE(QFileInfo::exists(target), targetExisted);
        if (targetExisted)
            QCOMPARE(readBytes(target), targetBefore);
        if (fault == SaveFault::OntoAPipe)
            QVERIFY2(isPipe(target), "the pipe was replaced");
        if (inKernel)
            QCOMPARE(QDir(targetFolder).entryList(QDir::Files | QDir::Hidden), kernelBefore);

        // The window still works: the same document saves somewhere sound.
        const QString good = path("good.txt");
        platform->fileNames.enqueue(good);
        editor->saveAs();
        QCOMPARE(editor->currentFileName(), good);
        QVERIFY(!editor->isModified());
        const QByteArray utf8 = before.text.toUtf8();
        QCOMPARE(readBytes(good), QByteArray::fromStdString(textfile::Encode(
                                      std::string_view(utf8.constData(), utf8.size()))));
    }

    void aFailedOpenIsNamedAndChangesNothing_data() {
        QTest::addColumn<OpenFault>("fault");
        QTest::newRow("missing") << OpenFault::Missing;
        QTest::newRow("a_folder") << OpenFault::Folder;
        QTest::newRow("unreadable_by_mode") << OpenFault::UnreadableByMode;
        QTest::newRow("unreadable_kernel_file") << OpenFault::UnreadableKernelFile;
        QTest::newRow("a_pipe_with_no_writer") << OpenFault::Pipe;
        QTest::newRow("an_endless_device") << OpenFault::Device;
        QTest::newRow("over_64_MiB") << OpenFault::OverTheLimit;
    }

    void aFailedOpenIsNamedAndChangesNothing() {
        QFETCH(OpenFault, fault);
        QString source;
        QString reason;
        switch (fault) {
        case OpenFault::Missing:
            source = path("missing.txt");
            reason = QStringLiteral("No such file or directory");
            break;
        case OpenFault::Folder:
            source = dir->path();
            reason = QStringLiteral("It is a folder, not a file.");
            break;
        case OpenFault::UnreadableByMode:
            if (runningAsRoot())
                QSKIP("running as root: file modes do not stop root (the kernel file row stands "
                      "in)");
            source = path("secret.txt");
            writeBytes(source, "secret\r\n");
            QVERIFY(QFile::setPermissions(source, QFile::WriteOwner));
            reason = QStringLiteral("Permission denied");
            break;
        case OpenFault::UnreadableKernelFile:
            source = writeOnlySystemFile();
            if (source.isEmpty())
                QSKIP("this system has no write-only kernel attribute under /sys/bus");
            reason = QStringLiteral("Permission denied");
            break;
        case OpenFault::Pipe:
            source = path("pipe");
            QCOMPARE(::mkfifo(QFile::encodeName(source).constData(), 0600), 0);
            reason = QStringLiteral("It is not a regular file.");
            break;
        case OpenFault::Device:
            source = QStringLiteral("/dev/zero");
            reason = QStringLiteral("It is not a regular file.");
            break;
        case OpenFault::OverTheLimit: {
            source = path("huge.txt");
            QFile file(source);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(64 * kMiB + 1)); // sparse: nothing is written
            reason = QStringLiteral("The file is larger than 64 MiB.");
            break;
        }
        }
        const Snapshot before = Snapshot::of(*editor, *rtf);
        platform->answers.enqueue(Platform::Answer::No); // don't save the typed text
        platform->fileNames.enqueue(source);
        guard.arm("opening " + source.toStdString());
        editor->openDocument();
        guard.disarm();
        expectOneMessageNaming(source, reason);
        QCOMPARE(Snapshot::of(*editor, *rtf), before);
        QCOMPARE(readBytes(existing), existingBytes);
    }

    // What is not text still opens as a plain-text document, character for
    // character as the file format decodes it.
    void aBinaryFileOpensAsPlainText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("nul_bytes_in_utf8") << QByteArray("abc\0def\r\nline two\0\0\r\n", 22);
        QByteArray everyByte;
        for (int i = 0; i < 256; ++i)
            everyByte.append(char(i));
        QTest::newRow("every_byte_value") << everyByte.repeated(4);
        QTest::newRow("only_nul_bytes") << QByteArray(4096, '\0');
    }

    void aBinaryFileOpensAsPlainText() {
        QFETCH(QByteArray, bytes);
        const QString source = path("binary.bin");
        writeBytes(source, bytes);
        platform->answers.enqueue(Platform::Answer::No);
        platform->fileNames.enqueue(source);
        guard.arm("opening a binary file");
        editor->openDocument();
        guard.disarm();
        QVERIFY2(platform->messageTexts().isEmpty(),
                 qPrintable(platform->messageTexts().join('|')));
        QCOMPARE(editor->currentFileName(), source);
        QVERIFY(!editor->isModified());
        const std::string decoded =
            textfile::Decode(std::string_view(bytes.constData(), bytes.size()));
        // The raw text: the plain one shows a no-break space as a blank.
        QString shown = rtf->document()->toRawText();
        shown.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        QCOMPARE(shown, QString::fromStdString(decoded));
        QCOMPARE(readBytes(source), bytes);
    }

    // The platform's own limits: exactly 64 MiB is read, a byte more is
    // refused, and the kernel's files, which report no size, are read to
    // their end or up to the limit.
    void readLimits_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("read");
        QTest::newRow("exactly_64_MiB") << "sparse64" << true;
        QTest::newRow("64_MiB_and_a_byte") << "sparse64+1" << false;
        QTest::newRow("kernel_file_reporting_no_size") << "/proc/self/status" << true;
        QTest::newRow("kernel_file_without_end") << "/proc/self/pagemap" << false;
    }

    void readLimits() {
        QFETCH(QString, kind);
        QFETCH(bool, read);
        QString source = kind;
        qint64 size = -1;
        if (kind.startsWith(QStringLiteral("sparse"))) {
            size = 64 * kMiB + (kind.endsWith(QStringLiteral("+1")) ? 1 : 0);
            source = path("sparse.txt");
            QFile file(source);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(size));
        } else if (!QFileInfo::exists(source)) {
            QSKIP("this system does not have that kernel file");
        }
        QtPlatform qt;
        QString error;
        guard.arm("reading " + source.toStdString());
        const std::optional<QByteArray> bytes = qt.readFile(source, error);
        guard.disarm();
        QCOMPARE(bytes.has_value(), read);
        if (read) {
            QVERIFY(error.isEmpty());
            if (size >= 0)
                QCOMPARE(bytes->size(), size);
            else
                QVERIFY(bytes->contains("Name:"));
        } else {
            QCOMPARE(error, QStringLiteral("The file is larger than 64 MiB."));
        }
    }
};

QTEST_MAIN(FileFaultsTest)
#include "file_faults_test.moc"
