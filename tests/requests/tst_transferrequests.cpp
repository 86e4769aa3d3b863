#include "logcapture.h"
#include "portalsuite.h"
#include "requests/archivedirectoryrequest.h"
#include "requests/convertdocumenttopdfrequest.h"
#include "requests/downloaddocumentrequest.h"
#include "requests/renamefilerequest.h"
#include "requests/replytimeout.h"
#include "requests/servertask.h"
#include "requests/uploaddocumentrequest.h"
#include "requests/usertaskdownloadrequest.h"
#include "requests/usertaskstatusrequest.h"
#include "testenvironment.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <functional>

namespace {

// A request of the case, given the id of a server task made for it (0 when none).
using TransferFactory = std::function<RequestInterface *(int taskId)>;

enum class TaskNeed { None, Started, Complete };

struct TransferCase
{
    const char *name;
    TransferFactory make;
    TaskNeed task;
    QString method;
    QString path;
    // "$task" stands for the task's id.
    QJsonObject query;
    // "key:type ..." of the success map
    QString successKeys;
    QStringList failureKeys;
};

const QString s_v1 = QStringLiteral("/api/v1/");
const QStringList s_successAndError{"error", "success"};
constexpr int s_largeFileSize = 8 * 1024 * 1024;

QString cacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

// What downloads left in the cache location, partial files included.
QStringList cachedDownloads()
{
    return QDir(cacheFolder()).entryList(QDir::Files | QDir::Hidden);
}

// The size of the file this process has open under the folder, named or not
// (a temporary file may have no name until it is kept); 0 when there is none.
qint64 openFileSizeUnder(const QString &folder)
{
    const QString fdFolder = QStringLiteral("/proc/self/fd");
    for (const QString &fd : QDir(fdFolder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QString path = fdFolder + QLatin1Char('/') + fd;
        struct stat status {};
        if (QFile::symLinkTarget(path).startsWith(folder) && ::stat(QFile::encodeName(path).constData(), &status) == 0
            && S_ISREG(status.st_mode))
            return status.st_size;
    }
    return 0;
}

QByteArray sha1Of(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result();
}

// Bytes that differ at every position of a block, so that a shifted or
// repeated block shows.
bool writePattern(const QString &path, int size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(64 * 1024, Qt::Uninitialized);
    for (int written = 0; written < size; written += block.size()) {
        for (int i = 0; i < block.size(); ++i)
            block[i] = static_cast<char>((written + i) * 31 / 7);
        if (file.write(block.left(size - written)) < 0)
            return false;
    }
    return file.flush();
}

// Lets no file of this process grow beyond a few bytes while it lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        // Past the limit write() fails with EFBIG instead of the process being killed.
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    bool isActive() const { return m_active; }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
    bool m_active = false;
};

} // namespace

Q_DECLARE_METATYPE(TransferFactory)

class TestTransferRequests : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void wireForm_data();
    void wireForm();
    void successResults_data();
    void successResults();
    void failureResults_data();
    void failureResults();

    void taskStatusSequences_data();
    void taskStatusSequences();
    void unreadableTaskStatus_data();
    void unreadableTaskStatus();
    void unreadableTaskStart();

    void largeFileRoundTrip();
    void downloadsGetTheirOwnFiles();
    void portalNameDoesNotChooseThePath();
    void unwritableDownloadLeavesNothing_data();
    void unwritableDownloadLeavesNothing();
    void taskDownloadIntoMissingFolder();
    void taskDownloadReplacesLeftover();

    void uploadHeaders();
    void uploadNameCannotBreakThePartHeader_data();
    void uploadNameCannotBreakThePartHeader();
    void uploadOfUnreadableFile();
    void uploadFailureIsReportedOnce();

private:
    QVariantMap run(RequestInterface *request) { return m_suite.run(request); }
    int startArchiveTask();
    int completeTask(int taskId);
    QString uploadLocalFile(const QString &name, int size, QVariantMap *result);
    int documentIdNamed(const QString &name);
    TransferCase caseAt(int index) const;
    QStringList localTaskDownloads() const;

    PortalSuite m_suite;
    SimulatorProcess &m_simulator = m_suite.simulator();
    QTemporaryDir m_local;
};

static QList<TransferCase> transferCases(const QString &localFolder)
{
    const QString upload = localFolder + QStringLiteral("/Upload me.txt");
    const QStringList downloadFailure = s_successAndError;
    return {
        {"download document", [](int) { return new DownloadDocumentRequest(1005, true, false); }, TaskNeed::None,
         "GET", s_v1 + "Documents/Download", {{"id", "1005"}, {"download", "true"}, {"offline", "false"}},
         "error:QString success:bool tmpDocumentPath:QString", downloadFailure},
        {"download offline copy", [](int) { return new DownloadDocumentRequest(1004, false, true); }, TaskNeed::None,
         "GET", s_v1 + "Documents/Download", {{"id", "1004"}, {"download", "false"}, {"offline", "true"}},
         "error:QString success:bool tmpDocumentPath:QString", downloadFailure},
        {"convert to pdf", [](int) { return new ConvertDocumentToPdfRequest(1001); }, TaskNeed::None, "GET",
         s_v1 + "Documents/Convert", {{"id", "1001"}}, "documentId:int success:bool taskId:int", {"error"}},
        {"archive folder", [](int) { return new ArchiveDirectoryRequest(110); }, TaskNeed::None, "GET",
         s_v1 + "DocumentDirectory/Archive", {{"Id", "110"}}, "documentId:int success:bool taskId:int", {"error"}},
        {"task status", [](int taskId) { return new UserTaskStatusRequest(taskId); }, TaskNeed::Started, "GET",
         s_v1 + "UserTask", {{"Id", "$task"}}, "percent:double status:int success:bool taskId:int",
         {"error", "success", "taskId"}},
        {"task download", [localFolder](int taskId) { return new UserTaskDownloadRequest(taskId, localFolder); },
         TaskNeed::Complete, "GET", s_v1 + "UserTask/Download", {{"Id", "$task"}},
         "error:QString success:bool taskDownloadPath:QString", downloadFailure},
        {"upload", [upload](int) { return new UploadDocumentRequest(upload, 100); }, TaskNeed::None, "POST",
         s_v1 + "Documents/Upload", {}, "documentName:QString success:bool", {"documentName", "error"}},
    };
}

TransferCase TestTransferRequests::caseAt(int index) const
{
    return transferCases(m_local.path()).at(index);
}

void TestTransferRequests::initTestCase()
{
    QVERIFY(m_local.isValid());
    QVERIFY(m_suite.start());
    QFile upload(m_local.filePath(QStringLiteral("Upload me.txt")));
    QVERIFY(upload.open(QIODevice::WriteOnly));
    upload.write("plain text to upload\n");
}

void TestTransferRequests::init()
{
    QVERIFY(m_suite.prepare());
}

void TestTransferRequests::cleanup()
{
    QVERIFY(m_suite.tidyUp());
    for (const QString &name : cachedDownloads())
        QFile::remove(cacheFolder() + QLatin1Char('/') + name);
    for (const QString &name : localTaskDownloads())
        QFile::remove(m_local.filePath(name));
}

QStringList TestTransferRequests::localTaskDownloads() const
{
    return QDir(m_local.path()).entryList({QStringLiteral("*vellixdownload*")}, QDir::Files | QDir::Hidden);
}

int TestTransferRequests::startArchiveTask()
{
    return run(new ArchiveDirectoryRequest(110)).value(QStringLiteral("taskId")).toInt();
}

int TestTransferRequests::completeTask(int taskId)
{
    // The simulator finishes a task after a few polls.
    for (int poll = 0; poll < 10; ++poll) {
        const int status = run(new UserTaskStatusRequest(taskId)).value(QStringLiteral("status")).toInt();
        if (status == ServerTask::Complete || status == ServerTask::Failed)
            return status;
    }
    return 0;
}

QString TestTransferRequests::uploadLocalFile(const QString &name, int size, QVariantMap *result)
{
    const QString path = m_local.filePath(name);
    if (!writePattern(path, size))
        return QString();
    *result = run(new UploadDocumentRequest(path, 100));
    return path;
}

int TestTransferRequests::documentIdNamed(const QString &name)
{
    for (const QJsonValue &document : m_simulator.state().value(QStringLiteral("documents")).toArray()) {
        if (document.toObject().value(QStringLiteral("Name")).toString() == name)
            return document.toObject().value(QStringLiteral("Id")).toInt();
    }
    return 0;
}

void TestTransferRequests::wireForm_data()
{
    QTest::addColumn<int>("index");
    const QList<TransferCase> cases = transferCases(QString());
    for (int i = 0; i < cases.size(); ++i)
        QTest::addRow("%s", cases[i].name) << i;
}

void TestTransferRequests::wireForm()
{
    QFETCH(int, index);
    const TransferCase expected = caseAt(index);
    int taskId = 0;
    if (expected.task != TaskNeed::None) {
        taskId = startArchiveTask();
        QVERIFY(taskId > 0);
        if (expected.task == TaskNeed::Complete)
            QCOMPARE(completeTask(taskId), int(ServerTask::Complete));
        QVERIFY(m_simulator.clearRequests());
    }

    run(expected.make(taskId));
    QJsonObject query = expected.query;
    for (auto it = query.begin(); it != query.end(); ++it) {
        if (it.value() == QLatin1String("$task"))
            it.value() = QString::number(taskId);
    }
    const QString mismatch = m_suite.recordedMismatch(expected.method, expected.path, query);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    if (expected.method == QLatin1String("GET"))
        QCOMPARE(m_simulator.requests().first().toObject().value(QStringLiteral("body")).toString(), QString());
}

void TestTransferRequests::successResults_data()
{
    wireForm_data();
}

void TestTransferRequests::successResults()
{
    QFETCH(int, index);
    const TransferCase expected = caseAt(index);
    int taskId = 0;
    if (expected.task != TaskNeed::None) {
        taskId = startArchiveTask();
        if (expected.task == TaskNeed::Complete)
            QCOMPARE(completeTask(taskId), int(ServerTask::Complete));
    }

    const QVariantMap result = run(expected.make(taskId));
    const QString mismatch = PortalSuite::keysAndTypesMismatch(result, expected.successKeys);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
    if (result.contains(QStringLiteral("error")))
        QCOMPARE(result.value(QStringLiteral("error")), QVariant(QString()));
    for (const char *pathKey : {"tmpDocumentPath", "taskDownloadPath"}) {
        const QString path = result.value(QString::fromLatin1(pathKey)).toString();
        if (!path.isEmpty())
            QVERIFY2(QFileInfo(path).size() > 0, qPrintable(path));
    }
}

void TestTransferRequests::failureResults_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QString>("error");

    // "*" : any non-empty text (Qt's own wording of a transport failure).
    const QList<std::tuple<const char *, QJsonObject, QString>> classes{
        {"portal error", {{"status", 500}, {"body", QJsonObject{{"ErrorMessage", "Storage is full"}}}}, "*"},
        {"not found", {{"status", 404}, {"body", "no such thing"}}, "*"},
        {"malformed JSON", {{"mode", "malformed"}}, ServerTask::failureText(NetworkReplyHandler())},
        {"truncated reply", {{"mode", "truncated"}}, "*"},
        {"dropped connection", {{"mode", "drop"}}, "*"},
        {"hang", {{"mode", "hang"}}, "The connection to the portal timed out."},
    };
    const QList<TransferCase> cases = transferCases(QString());
    for (int i = 0; i < cases.size(); ++i) {
        for (const auto &[name, fault, error] : classes) {
            // A body that is not JSON is just the file to a transfer.
            const bool isTransfer = cases[i].failureKeys.contains(QStringLiteral("documentName"))
                || QString::fromLatin1(cases[i].name).contains(QStringLiteral("download"));
            if (isTransfer && fault.value(QStringLiteral("mode")) == QLatin1String("malformed"))
                continue;
            QTest::addRow("%s, %s", cases[i].name, name) << i << fault << error;
        }
    }
}

void TestTransferRequests::failureResults()
{
    QFETCH(int, index);
    QFETCH(QJsonObject, fault);
    QFETCH(QString, error);
    const TransferCase expected = caseAt(index);
    int taskId = 0;
    if (expected.task != TaskNeed::None) {
        taskId = startArchiveTask();
        if (expected.task == TaskNeed::Complete)
            QCOMPARE(completeTask(taskId), int(ServerTask::Complete));
    }
    fault.insert(QStringLiteral("method"), expected.method);
    QVERIFY(m_simulator.setFault(expected.path, fault));
    if (fault.value(QStringLiteral("mode")) == QLatin1String("hang"))
        ReplyTimeout::setInactivityTimeout(250);

    const QVariantMap result = run(expected.make(taskId));
    QCOMPARE(QStringList(result.keys()), expected.failureKeys);
    QVERIFY(!result.value(QStringLiteral("success")).toBool());
    const QString text = result.value(QStringLiteral("error")).toString();
    if (error == QLatin1String("*"))
        QVERIFY(!text.isEmpty());
    else
        QCOMPARE(text, error);
    if (result.contains(QStringLiteral("taskId")))
        QCOMPARE(result.value(QStringLiteral("taskId")), QVariant(taskId));
    // A failed transfer leaves no file, whole or partial.
    QCOMPARE(cachedDownloads(), QStringList());
    QCOMPARE(localTaskDownloads(), QStringList());
}

void TestTransferRequests::taskStatusSequences_data()
{
    QTest::addColumn<int>("failNext");
    QTest::addColumn<int>("finalStatus");
    QTest::newRow("completes") << 0 << int(ServerTask::Complete);
    QTest::newRow("fails") << 1 << int(ServerTask::Failed);
}

void TestTransferRequests::taskStatusSequences()
{
    QFETCH(int, failNext);
    QFETCH(int, finalStatus);
    QVERIFY(m_simulator.setTaskSteps(3));
    if (failNext)
        QVERIFY(m_simulator.failNextTasks(failNext));
    const QVariantMap started = run(new ConvertDocumentToPdfRequest(1001));
    QCOMPARE(started.value(QStringLiteral("documentId")), QVariant(1001));
    const int taskId = started.value(QStringLiteral("taskId")).toInt();
    QVERIFY(taskId > 0);

    QList<int> statuses;
    QList<double> percents;
    while (statuses.size() < 10) {
        const QVariantMap result = run(new UserTaskStatusRequest(taskId));
        QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
        QCOMPARE(result.value(QStringLiteral("taskId")), QVariant(taskId));
        statuses << result.value(QStringLiteral("status")).toInt();
        percents << result.value(QStringLiteral("percent")).toDouble();
        if (statuses.last() == ServerTask::Complete || statuses.last() == ServerTask::Failed)
            break;
    }
    QCOMPARE(statuses.size(), 3);
    QCOMPARE(statuses.last(), finalStatus);
    // Until then the task reads as running.
    for (int i = 0; i + 1 < statuses.size(); ++i) {
        QVERIFY(statuses[i] != ServerTask::Complete && statuses[i] != ServerTask::Failed);
        QVERIFY(percents[i] < 100);
    }
}

void TestTransferRequests::unreadableTaskStatus_data()
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::newRow("not JSON") << QJsonObject{{"mode", "malformed"}};
    QTest::newRow("no status") << QJsonObject{{"status", 200}, {"body", QJsonObject{{"Percent", 50}}}};
    QTest::newRow("status not a number") << QJsonObject{{"status", 200}, {"body", QJsonObject{{"Status", "busy"}}}};
    QTest::newRow("true") << QJsonObject{{"status", 200}, {"body", "true"}};
}

void TestTransferRequests::unreadableTaskStatus()
{
    QFETCH(QJsonObject, fault);
    const int taskId = startArchiveTask();
    QVERIFY(m_simulator.setFault(s_v1 + QStringLiteral("UserTask"), fault));

    const QVariantMap result = run(new UserTaskStatusRequest(taskId));
    QCOMPARE(result, (QVariantMap{{"success", false},
                                  {"error", ServerTask::failureText(NetworkReplyHandler())},
                                  {"taskId", taskId}}));
    QVERIFY(!result.value(QStringLiteral("error")).toString().isEmpty());
}

void TestTransferRequests::unreadableTaskStart()
{
    // The workers read a start without "error" as success: a reply without a
    // task id must carry a text.
    QVERIFY(m_simulator.setFault(s_v1 + QStringLiteral("Documents/Convert"),
                                 {{"status", 200}, {"body", QJsonObject{{"Other", 1}}}}));
    const QVariantMap result = run(new ConvertDocumentToPdfRequest(1001));
    QCOMPARE(QStringList(result.keys()), QStringList{"error"});
    QVERIFY(!result.value(QStringLiteral("error")).toString().isEmpty());

    QVERIFY(m_simulator.setFault(s_v1 + QStringLiteral("DocumentDirectory/Archive"),
                                 {{"status", 200}, {"body", QJsonObject{{"TaskId", "17"}}}}));
    QCOMPARE(run(new ArchiveDirectoryRequest(110)).value(QStringLiteral("taskId")), QVariant(17));
}

void TestTransferRequests::largeFileRoundTrip()
{
    const QString name = QStringLiteral("Large scan.pdf");
    const QString localPath = m_local.filePath(name);
    QVERIFY(writePattern(localPath, s_largeFileSize));

    auto *upload = new UploadDocumentRequest(localPath, 100);
    QList<qint64> sent;
    qint64 uploadTotal = 0;
    QStringList started;
    connect(upload, &UploadDocumentRequest::progress, this, [&](qint64 bytes, qint64 total) {
        sent << bytes;
        uploadTotal = total;
    });
    connect(upload, &UploadDocumentRequest::uploadStarted, this, [&](const QString &n) { started << n; });
    QCOMPARE(run(upload), (QVariantMap{{"success", true}, {"documentName", name}}));
    QCOMPARE(started, QStringList{name});
    QVERIFY(!sent.isEmpty());
    QVERIFY(std::is_sorted(sent.cbegin(), sent.cend()));
    QVERIFY(uploadTotal > s_largeFileSize);
    QCOMPARE(sent.last(), uploadTotal);
    QVERIFY(m_simulator.clearRequests());

    const int documentId = documentIdNamed(name);
    QVERIFY(documentId > 0);
    // The portal sends the file a megabyte at a time, so the transfer is still
    // going when the second megabyte is reported.
    QVERIFY(m_simulator.setFault(s_v1 + "Documents/Download", {{"mode", "paced"}, {"chunkBytes", 1024 * 1024},
                                                               {"delayMs", 150}, {"count", 1}}));
    auto *download = new DownloadDocumentRequest(documentId, true, false);
    // Sampled on the downloading thread, at the moment each chunk is reported.
    QList<qint64> received;
    qint64 largestPartialFile = 0;
    connect(
        download, &FileDownloadRequest::progress, download,
        [&](qint64 bytes, qint64 total) {
            received << bytes;
            if (bytes < total)
                largestPartialFile = qMax(largestPartialFile, openFileSizeUnder(cacheFolder()));
        },
        Qt::DirectConnection);
    const QVariantMap result = run(download);
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
    const QString downloaded = result.value(QStringLiteral("tmpDocumentPath")).toString();
    QCOMPARE(QFileInfo(downloaded).absolutePath(), QFileInfo(cacheFolder()).absoluteFilePath());
    QCOMPARE(QFileInfo(downloaded).size(), qint64(s_largeFileSize));
    QCOMPARE(sha1Of(downloaded), sha1Of(localPath));

    QVERIFY(std::is_sorted(received.cbegin(), received.cend()));
    QCOMPARE(received.last(), qint64(s_largeFileSize));
    // The file was on disk and growing before the transfer had ended.
    QVERIFY2(largestPartialFile > 0 && largestPartialFile < s_largeFileSize,
             qPrintable(QString::number(largestPartialFile)));
}

void TestTransferRequests::downloadsGetTheirOwnFiles()
{
    QSet<QString> paths;
    for (int i = 0; i < 6; ++i) {
        const QVariantMap result = run(new DownloadDocumentRequest(1005, false, false));
        paths.insert(result.value(QStringLiteral("tmpDocumentPath")).toString());
    }
    QCOMPARE(paths.size(), 6);
    for (const QString &path : paths)
        QVERIFY(QFileInfo(path).size() > 0);
}

void TestTransferRequests::portalNameDoesNotChooseThePath()
{
    // The portal sends the document's name with the bytes; it never reaches the path.
    QVERIFY(run(new RenameFileRequest(1005, QStringLiteral(".."))).value(QStringLiteral("success")).toBool());
    const QVariantMap result = run(new DownloadDocumentRequest(1005, true, false));
    const QFileInfo downloaded(result.value(QStringLiteral("tmpDocumentPath")).toString());
    QCOMPARE(downloaded.absolutePath(), QFileInfo(cacheFolder()).absoluteFilePath());
    QVERIFY2(downloaded.fileName().startsWith(QLatin1String("download_")), qPrintable(downloaded.fileName()));
    QVERIFY(downloaded.isFile());
}

void TestTransferRequests::unwritableDownloadLeavesNothing_data()
{
    QTest::addColumn<TransferFactory>("make");
    QTest::addColumn<bool>("isTask");
    QTest::newRow("document") << TransferFactory([](int) { return new DownloadDocumentRequest(1001, false, false); })
                              << false;
    const QString folder = m_local.path();
    QTest::newRow("task result") << TransferFactory([folder](int id) { return new UserTaskDownloadRequest(id, folder); })
                                 << true;
}

void TestTransferRequests::unwritableDownloadLeavesNothing()
{
    QFETCH(TransferFactory, make);
    QFETCH(bool, isTask);
    int taskId = 0;
    if (isTask) {
        taskId = startArchiveTask();
        QCOMPARE(completeTask(taskId), int(ServerTask::Complete));
    }
    RequestInterface *request = make(taskId);

    QVariantMap result;
    {
        // As a full disk would: the first bytes go, the rest cannot.
        const FileSizeLimit limit(16);
        QVERIFY(limit.isActive());
        result = run(request);
    }
    QCOMPARE(result, (QVariantMap{{"success", false}, {"error", "Error write downloaded file"}}));
    QCOMPARE(cachedDownloads(), QStringList());
    QCOMPARE(localTaskDownloads(), QStringList());
}

void TestTransferRequests::taskDownloadIntoMissingFolder()
{
    const int taskId = startArchiveTask();
    QCOMPARE(completeTask(taskId), int(ServerTask::Complete));
    QVERIFY(m_simulator.clearRequests());
    const QVariantMap result = run(new UserTaskDownloadRequest(taskId, m_local.filePath(QStringLiteral("gone/"))));
    QCOMPARE(result, (QVariantMap{{"success", false}, {"error", "Error write downloaded file"}}));
    // Nothing is fetched that could not be kept.
    QCOMPARE(m_simulator.requests().size(), 0);
}

void TestTransferRequests::taskDownloadReplacesLeftover()
{
    const int taskId = startArchiveTask();
    QCOMPARE(completeTask(taskId), int(ServerTask::Complete));
    const QString expected = m_local.filePath(QStringLiteral("%1.vellixdownload").arg(taskId));
    QFile leftover(expected);
    QVERIFY(leftover.open(QIODevice::WriteOnly));
    leftover.write("an earlier, broken attempt");
    leftover.close();

    LogCapture log;
    // One trailing slash of the folder does not double the separator.
    const QVariantMap result = run(new UserTaskDownloadRequest(taskId, m_local.path() + QLatin1Char('/')));
    QCOMPARE(result.value(QStringLiteral("taskDownloadPath")).toString(), expected);
    QFile archive(expected);
    QVERIFY(archive.open(QIODevice::ReadOnly));
    QCOMPARE(archive.read(2), QByteArray("PK"));
    QCOMPARE(log.linesWith(QStringLiteral("Tmp archive saved to")).size(), 1);
    QVERIFY(QFile::remove(expected));
}

void TestTransferRequests::uploadHeaders()
{
    QVariantMap result;
    const QString path = uploadLocalFile(QStringLiteral("Sheet.final.xlsx"), 1000, &result);
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
    const QJsonObject recorded = m_simulator.requests().first().toObject();
    const QJsonObject headers = recorded.value(QStringLiteral("headers")).toObject();
    QCOMPARE(headers.value(QStringLiteral("directoryid")).toString(), QStringLiteral("100"));
    QCOMPARE(headers.value(QStringLiteral("accept-encoding")).toString(), QStringLiteral("gzip, deflate, br"));
    QCOMPARE(headers.value(QStringLiteral("content-type")).toString(),
             QStringLiteral("multipart/form-data; boundary=\"----WebKitFormBoundarylCadDvTpmB9OjqQh\""));

    const QByteArray body = QByteArray::fromBase64(recorded.value(QStringLiteral("bodyBase64")).toString().toLatin1());
    QFile local(path);
    QVERIFY(local.open(QIODevice::ReadOnly));
    const QByteArray expected = "------WebKitFormBoundarylCadDvTpmB9OjqQh\r\n"
                                "Content-Disposition: form-data; name=\"\"; filename=\"Sheet.final.xlsx\"\r\n"
                                "Content-Type: application/vnd.openxmlformats-officedocument.spreadsheetml.sheet\r\n"
                                "\r\n"
        + local.readAll() + "\r\n------WebKitFormBoundarylCadDvTpmB9OjqQh--\r\n";
    QCOMPARE(body, expected);
}

void TestTransferRequests::uploadNameCannotBreakThePartHeader_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("quoted");
    QTest::addColumn<QString>("portalName");
    QTest::newRow("quotes and line breaks") << QStringLiteral("Say \"hi\"\r\nX-Injected: 1.txt")
                                            << QByteArray("\"Say \\\"hi\\\"X-Injected: 1.txt\"")
                                            << QStringLiteral("Say \"hi\"X-Injected: 1.txt");
    // The portal keeps what follows a backslash; the quote after it survives.
    QTest::newRow("backslash before a quote") << QStringLiteral("end\\\"quote.txt")
                                              << QByteArray("\"end\\\\\\\"quote.txt\"")
                                              << QStringLiteral("\"quote.txt");
}

void TestTransferRequests::uploadNameCannotBreakThePartHeader()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, quoted);
    QFETCH(QString, portalName);
    QVariantMap result;
    uploadLocalFile(name, 100, &result);
    QCOMPARE(result, (QVariantMap{{"success", true}, {"documentName", name}}));

    const QJsonObject recorded = m_simulator.requests().first().toObject();
    const QByteArray body = QByteArray::fromBase64(recorded.value(QStringLiteral("bodyBase64")).toString().toLatin1());
    const QByteArray headerBlock = body.left(body.indexOf("\r\n\r\n"));
    // Boundary and Content-Disposition; ".txt" has no media type, so no Content-Type goes.
    const QList<QByteArray> lines = headerBlock.split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(1), "Content-Disposition: form-data; name=\"\"; filename=" + quoted);
    // The portal reads the name back with its quotes, on one line.
    QVERIFY(documentIdNamed(portalName) > 0);
}

void TestTransferRequests::uploadOfUnreadableFile()
{
    LogCapture log;
    const QVariantMap result = run(new UploadDocumentRequest(m_local.filePath(QStringLiteral("missing.txt")), 100));
    QCOMPARE(result, (QVariantMap{{"success", false}, {"error", "error open file"}}));
    QCOMPARE(m_simulator.requests().size(), 0);
    QCOMPARE(log.linesWith(QStringLiteral("Error open file")).size(), 1);
}

void TestTransferRequests::uploadFailureIsReportedOnce()
{
    const QString path = m_local.filePath(QStringLiteral("Upload me.txt"));
    // Both replies fail after they started: one start, one result.
    for (const QString &address : {QStringLiteral("nosuchscheme://portal"), QStringLiteral("http://127.0.0.1:1")}) {
        m_suite.settings().savePortalAddress(address);
        auto *request = new UploadDocumentRequest(path, 100);
        QSignalSpy started(request, &UploadDocumentRequest::uploadStarted);
        QVariantMap result = run(request);
        QCOMPARE(started.count(), 1);
        QCOMPARE(result.value(QStringLiteral("documentName")), QVariant(QStringLiteral("Upload me.txt")));
        QVERIFY2(!result.value(QStringLiteral("error")).toString().isEmpty(), qPrintable(address));
        QVERIFY(!result.contains(QStringLiteral("success")));
    }
}

VELLIX_TEST_MAIN(TestTransferRequests, QCoreApplication)

#include "tst_transferrequests.moc"
