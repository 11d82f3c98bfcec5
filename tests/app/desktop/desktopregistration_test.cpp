#include <desktop/desktopregistration.h>

#include <filepaths.h>
#include <support/tempfolder.h>

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <vector>

namespace {

QString contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString execLine(const QString &entry)
{
    for (const QString &line : entry.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("Exec=")))
            return line;
    }
    return {};
}

class DesktopRegistrationTest : public testing::Test
{
protected:
    DesktopRegistration registration(const QString &program)
    {
        return DesktopRegistration(
            data, program, [this](const QString &command, const QStringList &arguments) {
                commands.append(command + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')));
            });
    }

    TempFolder folder;
    QString data = FilePaths::toQString(folder.path());
    QStringList commands;
};

TEST_F(DesktopRegistrationTest, RegisteringWritesTheEntryTypeAndIconsThenUpdates)
{
    const DesktopRegistration user = registration(QStringLiteral("/opt/zenodyne/bin/zenodyne"));
    ASSERT_EQ(user.registerProgram(), QString());
    const QDir root(data);
    EXPECT_EQ(user.files(),
              (QStringList{root.filePath("applications/org.zenodyne.Zenodyne.desktop"),
                           root.filePath("mime/packages/org.zenodyne.Zenodyne.xml"),
                           root.filePath("icons/hicolor/scalable/apps/org.zenodyne.Zenodyne.svg"),
                           root.filePath("icons/hicolor/scalable/mimetypes/"
                                         "application-x-zenodyne-circuit.svg")}));
    const QString entry = contentsOf(user.files().at(0));
    EXPECT_EQ(execLine(entry), "Exec=/opt/zenodyne/bin/zenodyne %F");
    EXPECT_TRUE(entry.contains("\nMimeType=application/x-zenodyne-circuit;\n"));
    const QString type = contentsOf(user.files().at(1));
    EXPECT_TRUE(type.contains("<comment>Zenodyne Document</comment>"));
    EXPECT_TRUE(type.contains("<glob pattern=\"*.crc\"/>"));
    EXPECT_TRUE(type.contains("<match type=\"string\" offset=\"0\" value=\"ZNDY\"/>"));
    EXPECT_TRUE(contentsOf(user.files().at(2)).contains("<svg"));
    EXPECT_EQ(commands, (QStringList{"update-mime-database " + root.filePath("mime"),
                                     "update-desktop-database " + root.filePath("applications")}));
}

TEST_F(DesktopRegistrationTest, UnregisteringRemovesExactlyWhatRegisteringWrote)
{
    const DesktopRegistration user = registration(QStringLiteral("/usr/bin/zenodyne"));
    ASSERT_EQ(user.registerProgram(), QString());
    const QString other = QDir(data).filePath("applications/other.desktop");
    {
        QFile file(other);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    commands.clear();
    ASSERT_EQ(user.unregisterProgram(), QString());
    for (const QString &path : user.files())
        EXPECT_FALSE(QFile::exists(path)) << qPrintable(path);
    EXPECT_TRUE(QFile::exists(other));
    EXPECT_EQ(commands.size(), 2);
    // Nothing registered: nothing to remove, no problem.
    EXPECT_EQ(user.unregisterProgram(), QString());
}

TEST_F(DesktopRegistrationTest, ProgramPathsWithReservedCharactersAreQuoted)
{
    const DesktopRegistration spaced = registration(QStringLiteral("/opt/my apps/zenodyne"));
    ASSERT_EQ(spaced.registerProgram(), QString());
    EXPECT_EQ(execLine(contentsOf(spaced.files().at(0))), "Exec=\"/opt/my apps/zenodyne\" %F");

    const DesktopRegistration dollar = registration(QStringLiteral("/opt/a$b/zenodyne"));
    ASSERT_EQ(dollar.registerProgram(), QString());
    EXPECT_EQ(execLine(contentsOf(dollar.files().at(0))), "Exec=\"/opt/a\\\\$b/zenodyne\" %F");
}

} // namespace
