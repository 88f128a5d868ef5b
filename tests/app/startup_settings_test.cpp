// A settings file that cannot be read: the program still starts, with its defaults, says so once
// and does not overwrite the file on leaving.
#include "app/session.h"
#include "app/ui/main_window.h"
#include "app/ui/startup.h"
#include "common/ini_file.h"
#include "store/settings.h"

#include "lexicon/lexicon_data.h"
#include "support/file_faults.h"
#include "support/scripted_ui_host.h"
#include "support/temp_dir.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

using namespace qx;
using namespace qx::test;

TEST(StartupSettings, AnUnreadableSettingsFileGivesTheDefaultsAndOneMessage)
{
    const struct {
        const char *name;
        std::function<void(const QString &)> make;
    } files[] = {
        {"a FIFO", [](const QString &path) { ASSERT_TRUE(makeFifo(path)); }},
        {"a link to /dev/zero",
         [](const QString &path) { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path)); }},
        {"longer than any settings file",
         [](const QString &path) { writeAll(path, std::vector<uint8_t>(IniFile::MaxFileSize + 1, 'x')); }},
    };
    for (const auto &file : files) {
        SCOPED_TRACE(file.name);
        TempDir startup, program;
        // With every dictionary and thesaurus there, no setting falls back to what is available.
        linkLexiconData(program.path());
        const QString path = startup.file(SettingsFileName.toString());
        file.make(path);
        ScriptedUiHost host;
        Session session;
        StartupOptions options;
        options.programDir = program.path();
        options.startupDir = startup.path();
        const auto settingsMessages = [&] {
            std::vector<ShownMessage> out;
            for (const auto &m : host.messages()) {
                if (m.text.contains(QStringLiteral("settings")))
                    out.push_back(m);
            }
            return out;
        };
        auto window = startUp(options, session, host);
        EXPECT_EQ(session.settings, Settings::defaults(startup.path()));
        auto shown = settingsMessages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].caption, QStringLiteral("Error"));
        EXPECT_TRUE(shown[0].text.startsWith(
            QStringLiteral("The settings could not be read; the program starts with its defaults.\n") + path))
            << shown[0].text.toStdString();

        window->saveSettings();
        shown = settingsMessages();
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_TRUE(shown[1].text.startsWith(QStringLiteral("The settings could not be saved.\n") + path));
        struct stat st {};
        ASSERT_EQ(::lstat(nativePath(path).constData(), &st), 0);
        EXPECT_FALSE(S_ISREG(st.st_mode) && st.st_size <= IniFile::MaxFileSize) << "the file was not replaced";
    }
}
