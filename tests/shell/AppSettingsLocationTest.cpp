// Choosing the settings file beside the executable or in the configuration folder.
#include "AppSettingsLocation.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

QString Q(const std::string& path) {
    return QString::fromStdString(path);
}

// The test's own configuration home, as the program names itself.
class SettingsLocation : public testing::Test {
protected:
    void SetUp() override {
        QCoreApplication::setApplicationName(QStringLiteral("zingaroo"));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.Path()));
    }

    QString ConfigFile() const { return Q(config.File("zingaroo/settings.ini")); }

    // The executable's folder as a program of its own folder has it.
    QString OwnFolder() const {
        std::filesystem::create_directory(exe.File("sound"));
        return Q(exe.Path()) + "/";
    }

    TempFolder config;
    TempFolder exe;
};

// Marks a folder immutable so that not even the superuser can add files to it.
class ImmutableFolder {
public:
    explicit ImmutableFolder(const std::string& path)
        : fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY)) {
        ok = fd >= 0 && SetFlag(true);
    }
    ImmutableFolder(const ImmutableFolder&) = delete;
    ImmutableFolder& operator=(const ImmutableFolder&) = delete;
    ~ImmutableFolder() {
        if (ok)
            SetFlag(false);
        if (fd >= 0)
            ::close(fd);
    }
    bool Ok() const { return ok; }

private:
    bool SetFlag(bool on) {
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0)
            return false;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        return ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }

    int fd;
    bool ok = false;
};

TEST_F(SettingsLocation, WritableFolderKeepsTheFileBesideTheExecutable) {
    const QString folder = OwnFolder();
    EXPECT_EQ(AppSettingsLocation::ReadPath(folder), Q(exe.File("settings.ini")));
    EXPECT_EQ(AppSettingsLocation::WritePath(folder), Q(exe.File("settings.ini")));
    EXPECT_FALSE(std::filesystem::exists(exe.File("settings.ini")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(exe.Path()), {}), 1)
        << "the write probe was left behind";
    EXPECT_FALSE(QFileInfo::exists(Q(config.File("zingaroo"))));
}

TEST_F(SettingsLocation, UnwritableFolderUsesTheConfigurationFolder) {
    WriteWholeFile(exe.File("plain"), "a file, not a folder");
    for (const QString& folder : {QStringLiteral("/proc/"), Q(exe.File("plain")) + "/"}) {
        EXPECT_FALSE(AppSettingsLocation::CanWriteFolder(folder)) << folder.toStdString();
        EXPECT_EQ(AppSettingsLocation::ReadPath(folder), ConfigFile());
        EXPECT_EQ(AppSettingsLocation::WritePath(folder), ConfigFile());
    }
    EXPECT_TRUE(QFileInfo(Q(config.File("zingaroo"))).isDir()) << "writing creates the folder";
}

TEST_F(SettingsLocation, ShippedFileIsReadUntilTheUsersOwnFileExists) {
    WriteWholeFile(exe.File("settings.ini"), "[Settings]\n");
    const QString folder = OwnFolder();
    const ImmutableFolder locked(exe.Path());
    if (!locked.Ok())
        GTEST_SKIP() << "cannot make a folder unwritable here";
    ASSERT_FALSE(AppSettingsLocation::CanWriteFolder(folder));
    EXPECT_EQ(AppSettingsLocation::ReadPath(folder), Q(exe.File("settings.ini")));

    const QString written = AppSettingsLocation::WritePath(folder);
    EXPECT_EQ(written, ConfigFile());
    WriteWholeFile(written.toStdString(), "[Settings]\n");
    EXPECT_EQ(AppSettingsLocation::ReadPath(folder), ConfigFile());
}

// Installed under /usr/games or /usr/local/bin, the program finds its sounds
// elsewhere: it never writes beside itself, even where it could (as root).
TEST_F(SettingsLocation, InstalledProgramUsesOnlyTheConfigurationFolder) {
    WriteWholeFile(exe.File("settings.ini"), "[Settings]\n");
    const QString folder = Q(exe.Path()) + "/";
    ASSERT_TRUE(AppSettingsLocation::CanWriteFolder(folder));
    EXPECT_EQ(AppSettingsLocation::ReadPath(folder), ConfigFile());
    EXPECT_EQ(AppSettingsLocation::WritePath(folder), ConfigFile());
}

TEST_F(SettingsLocation, RelativeConfigHomeIsIgnoredForTheHomeFolder) {
    TempFolder home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QByteArray::fromStdString(home.Path()));
    qputenv("XDG_CONFIG_HOME", "relative/config");
    const QString path = AppSettingsLocation::WritePath(Q(exe.Path()) + "/");
    qputenv("HOME", oldHome);
    EXPECT_EQ(path, Q(home.File(".config/zingaroo/settings.ini")));
    EXPECT_TRUE(QFileInfo(Q(home.File(".config/zingaroo"))).isDir());
}

} // namespace
