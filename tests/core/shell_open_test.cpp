#include "core/shell_open.h"

#include <gtest/gtest.h>

#include "support/url_opener_stub.h"

namespace {
using namespace lt;
using test::RecordingOpener;

TEST(OpenWebAddress, HandsTheAddressToTheDesktop) {
    RecordingOpener opener;
    EXPECT_TRUE(openWebAddress(QUrl(QStringLiteral("https://tallyhouse.example"))));
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened[0], QUrl(QStringLiteral("https://tallyhouse.example")));
}

TEST(OpenWebAddress, DesktopRefusalIsAFailure) {
    RecordingOpener opener(false);
    EXPECT_FALSE(openWebAddress(QUrl(QStringLiteral("http://tallyhouse.example/"))));
    EXPECT_EQ(opener.opened.size(), 1);
}

class RefusedAddressTest : public ::testing::TestWithParam<const char*> {};

TEST_P(RefusedAddressTest, NothingIsOpened) {
    RecordingOpener opener;
    EXPECT_FALSE(openWebAddress(QUrl(QString::fromUtf8(GetParam()))));
    EXPECT_TRUE(opener.opened.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Schemes, RefusedAddressTest,
                         ::testing::Values("file:///bin/sh", "javascript:alert(1)",
                                           "ftp://tallyhouse.example/", "/usr/bin/xterm",
                                           "https://", "mailto:a@tallyhouse.example", ""));

}  // namespace
