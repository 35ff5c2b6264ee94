#pragma once

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QMetaMethod>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/statvfs.h>
#include <unistd.h>

namespace quillset::test {

/// The day every test, and every program a test starts, takes as today: the dates written in the
/// tests are judged the same way whenever the tests run.
inline const QDate kTestToday(2026, 12, 8);

/// Puts the test program's temporary folders in memory when the machine has room there (and no
/// TMPDIR of its own is set): a register waits for the disk at every commit, the tests commit
/// thousands of times, and nothing in them needs to outlive the machine.
struct TemporaryFilesInMemory
{
    TemporaryFilesInMemory()
    {
        constexpr unsigned long long kRoomNeeded = 1ULL << 30;
        struct statvfs memory
        {
        };
        if (qEnvironmentVariableIsEmpty("TMPDIR") && ::statvfs("/dev/shm", &memory) == 0
            && ::access("/dev/shm", W_OK) == 0
            && static_cast<unsigned long long>(memory.f_bavail) * memory.f_frsize >= kRoomNeeded)
            qputenv("TMPDIR", "/dev/shm");
    }
};

/// Points everything a test program could change outside its own folders (the home folder, the ODBC
/// data sources, the user's settings, data and runtime folders) at a temporary folder of its own,
/// before anything reads them, and removes it at the end.
class IsolatedMachine
{
public:
    IsolatedMachine()
    {
        const QByteArray home = QFile::encodeName(m_folder.path());
        // HOME too: Qt's test mode keeps settings under the home folder, in ~/.qttest.
        for (const char *variable : {"HOME", "ODBCSYSINI", "ODBCINI", "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                                     "XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR"}) {
            const QByteArray folder = home + '/' + QByteArray(variable).toLower();
            QDir().mkpath(QFile::decodeName(folder));
            QFile::setPermissions(QFile::decodeName(folder),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            qputenv(variable, variable == QByteArray("ODBCINI") ? folder + "/odbc.ini" : folder);
        }
        QStandardPaths::setTestModeEnabled(true);
        qputenv("QUILLSET_TODAY", kTestToday.toString(Qt::ISODate).toLatin1());
    }

    QString folder() const { return m_folder.path(); }

private:
    TemporaryFilesInMemory m_inMemory; // first, so that the folder below is made there too
    QTemporaryDir m_folder;
};

/// The arguments that run this program's part of its test functions when QUILLSET_TEST_PART names
/// one ("2/3": the second of three; each function is in exactly one part, so a long program runs in
/// parts side by side), or the arguments as given. Nothing when the part holds no function. Function
/// names given on the command line run as asked.
inline std::optional<QStringList> partOfTheFunctions(const QObject &test, const QStringList &arguments)
{
    const QStringList part = qEnvironmentVariable("QUILLSET_TEST_PART").split(u'/');
    const int index = part.size() == 2 ? part[0].toInt() : 0;
    const int parts = part.size() == 2 ? part[1].toInt() : 0;
    if (index < 1 || index > parts)
        return arguments;
    QStringList functions;
    const QMetaObject *meta = test.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        const QByteArray name = method.name();
        if (method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Private
            && method.parameterCount() == 0 && !name.endsWith("_data") && name != "initTestCase"
            && name != "cleanupTestCase" && name != "init" && name != "cleanup")
            functions.append(QString::fromLatin1(name));
    }
    for (const QString &argument : arguments.mid(1)) {
        if (functions.contains(argument.section(u':', 0, 0)))
            return arguments;
    }
    QStringList chosen = arguments;
    for (int i = index - 1; i < functions.size(); i += parts)
        chosen.append(functions[i]);
    if (chosen.size() == arguments.size())
        return std::nullopt;
    return chosen;
}

} // namespace quillset::test

/// A test program's main: the machine isolated first, then the application of the given class.
#define QUILLSET_TEST_MAIN(TestObject, Application)                                                                    \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        quillset::test::IsolatedMachine machine;                                                                       \
        Application app(argc, argv);                                                                                   \
        TestObject test;                                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        const std::optional<QStringList> arguments = quillset::test::partOfTheFunctions(test, app.arguments());        \
        return arguments ? QTest::qExec(&test, *arguments) : 0;                                                        \
    }
