#include "core/shell_open.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/url_opener_stub.h"

namespace {
using namespace lt;
using test::readFile;
using test::RecordingOpener;
using test::writeFile;

TEST(InternetShortcut, WritesTheTwoLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KORVO.URL"));
    QString error;
    ASSERT_TRUE(writeInternetShortcut(path, QStringLiteral("https://tallyhouse.example"), &error))
        << error.toStdString();
    EXPECT_EQ(readFile(path), QByteArray("[InternetShortcut]\nURL=https://tallyhouse.example\n"));
}

TEST(InternetShortcut, MakesAMissingFolder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lifetally/KORVO.URL"));
    QString error;
    ASSERT_TRUE(writeInternetShortcut(path, QStringLiteral("https://tallyhouse.example"), &error))
        << error.toStdString();
    EXPECT_EQ(readFile(path), QByteArray("[InternetShortcut]\nURL=https://tallyhouse.example\n"));
}

TEST(InternetShortcut, NeverReplacesAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KORVO.URL"));
    writeFile(path, "edited by hand");
    QString error;
    EXPECT_FALSE(writeInternetShortcut(path, QStringLiteral("https://tallyhouse.example"), &error));
    EXPECT_EQ(readFile(path), QByteArray("edited by hand"));
}

TEST(InternetShortcut, UnwritableFolderIsReportedWithThePath) {
    QTemporaryDir dir;
    // A folder below a regular file can never be created, not even by root.
    writeFile(dir.filePath(QStringLiteral("plain")), "x");
    const QString path = dir.filePath(QStringLiteral("plain/sub/KORVO.URL"));
    QString error;
    EXPECT_FALSE(writeInternetShortcut(path, QStringLiteral("https://tallyhouse.example"), &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

struct UrlCase {
    const char* name;
    QByteArray content;
    QString expected;  // empty: no address
};

class ShortcutUrlTest : public ::testing::TestWithParam<UrlCase> {};

TEST_P(ShortcutUrlTest, ReadsTheUrlKey) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.url"));
    writeFile(path, GetParam().content);
    const auto url = internetShortcutUrl(path);
    if (GetParam().expected.isEmpty()) {
        EXPECT_FALSE(url.has_value()) << url->toString().toStdString();
    } else {
        ASSERT_TRUE(url.has_value());
        EXPECT_EQ(url->toString(), GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ShortcutUrlTest,
    ::testing::Values(UrlCase{"Plain", "[InternetShortcut]\nURL=https://tallyhouse.example\n",
                              "https://tallyhouse.example"},
                      UrlCase{"WindowsLineEnds", "[InternetShortcut]\r\nURL=http://a.example/x\r\n",
                              "http://a.example/x"},
                      UrlCase{"CaseAndBlanks", "[internetshortcut]\n\n url = https://b.example \n",
                              "https://b.example"},
                      UrlCase{"OtherKeysFirst",
                              "[InternetShortcut]\nIconIndex=0\nURL=https://c.example\n",
                              "https://c.example"},
                      UrlCase{"UrlInAnotherSection",
                              "[Other]\nURL=https://d.example\n[InternetShortcut]\nX=1\n", ""},
                      UrlCase{"NoSection", "URL=https://e.example\n", ""},
                      UrlCase{"EmptyFile", "", ""}),
    [](const ::testing::TestParamInfo<UrlCase>& info) { return std::string(info.param.name); });

TEST(ShellOpen, OpensAWebAddress) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KORVO.URL"));
    writeFile(path, "[InternetShortcut]\nURL=https://tallyhouse.example\n");
    RecordingOpener opener;
    EXPECT_TRUE(shellOpen(path));
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened[0], QUrl(QStringLiteral("https://tallyhouse.example")));
}

TEST(ShellOpen, DesktopRefusalIsAFailure) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KORVO.URL"));
    writeFile(path, "[InternetShortcut]\nURL=http://tallyhouse.example/\n");
    RecordingOpener opener(false);
    EXPECT_FALSE(shellOpen(path));
    EXPECT_EQ(opener.opened.size(), 1);
}

class RefusedAddressTest : public ::testing::TestWithParam<const char*> {};

TEST_P(RefusedAddressTest, NothingIsOpened) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KORVO.URL"));
    writeFile(path, QByteArray("[InternetShortcut]\nURL=") + GetParam() + "\n");
    RecordingOpener opener;
    EXPECT_FALSE(shellOpen(path));
    EXPECT_TRUE(opener.opened.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Schemes, RefusedAddressTest,
                         ::testing::Values("file:///bin/sh", "javascript:alert(1)",
                                           "ftp://tallyhouse.example/", "/usr/bin/xterm",
                                           "https://", "mailto:a@tallyhouse.example", ""));

TEST(ShellOpen, MissingOrForeignFileIsAFailure) {
    QTemporaryDir dir;
    RecordingOpener opener;
    EXPECT_FALSE(shellOpen(dir.filePath(QStringLiteral("none.url"))));
    const QString script = dir.filePath(QStringLiteral("run.sh"));
    writeFile(script, "#!/bin/sh\necho hi\n");
    EXPECT_FALSE(shellOpen(script));
    EXPECT_FALSE(shellOpen(dir.path()));
    EXPECT_TRUE(opener.opened.isEmpty());
}

}  // namespace
