#include "utils/systemversion.h"

#include <QList>
#include <gtest/gtest.h>

#include "utils/systemversion_p.h"

using namespace vexo;

TEST(SystemVersion, OsReleaseNamesTheSystem) {
    const QList<QPair<QByteArray, QString>> table{
        {"NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n",
         "Debian GNU/Linux 12 (bookworm)"},
        {"# comment\nNAME=Fedora\nVERSION='39 (Workstation)'\n", "Fedora 39 (Workstation)"},
        {"PRETTY_NAME=\"Say \\\"hi\\\"\"\n", "Say \"hi\""},
        {"NAME=Alpine\n", "Alpine"},
        {"", "Linux"}};
    for (const auto& [text, name] : table)
        EXPECT_EQ(OsReleaseName(text), name) << text.constData();
}

TEST(SystemVersion, KernelNumbersAndTheCombinedText) {
    int major = -1, minor = -1;
    KernelVersion("6.1.0-18-amd64", major, minor);
    EXPECT_EQ(std::pair(major, minor), std::pair(6, 1));
    KernelVersion("5", major, minor);
    EXPECT_EQ(std::pair(major, minor), std::pair(5, 0));
    KernelVersion("unknown", major, minor);
    EXPECT_EQ(std::pair(major, minor), std::pair(0, 0));
    EXPECT_EQ(SystemVersionText("Debian", "6.1.0"), "Debian (kernel 6.1.0)");
    EXPECT_EQ(SystemVersionText("Debian", ""), "Debian");

    WindowsVer(major, minor);
    EXPECT_GE(major, 3); // a Linux that runs this test
    EXPECT_TRUE(WindowsVerStr().contains(" (kernel "));
}
