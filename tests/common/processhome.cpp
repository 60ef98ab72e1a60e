// Built into every test program: the process gets a home folder of its own before main() runs, and
// it goes when the process ends. Qt's test mode puts the data of every test under ~/.qttest, built
// from the home folder whatever the XDG variables say, so two tests, or two runs of the suite at
// once, would read and delete each other's files there; so would anything else a test writes
// under the user's folders.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <optional>

namespace
{
struct ProcessHome {
    ProcessHome()
    {
        // scripts/with-session-bus.sh makes one for the process it runs, and its keyring lives there.
        if (!qEnvironmentVariableIsEmpty("TARVIK_TEST_HOME") && qgetenv("HOME") == qgetenv("TARVIK_TEST_HOME"))
            return;
        folder.emplace(QDir::tempPath() + QStringLiteral("/tarvik-test-home-XXXXXX"));
        if (!folder->isValid())
            qFatal("no home folder for the test: %s", qPrintable(folder->errorString()));
        qputenv("HOME", QFile::encodeName(folder->path()));
        qputenv("TARVIK_TEST_HOME", QFile::encodeName(folder->path()));
        // Else they would still name the user's own folders.
        for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
            qunsetenv(variable);
    }

    std::optional<QTemporaryDir> folder;
};

const ProcessHome home;
} // namespace
