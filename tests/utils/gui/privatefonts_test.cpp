#include "utils/gui/privatefonts.h"

#include <QFile>
#include <gtest/gtest.h>

#include "support/testdir.h"

using namespace vexo;

TEST(PrivateFonts, AFontFileIsAddedUntilRemovedAsOftenAsRegistered) {
    const QString system = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-BoldOblique.ttf";
    if (!QFile::exists(system))
        GTEST_SKIP() << "no DejaVu font to register (fonts-dejavu-core)";
    TestDir dir;
    dir.Write("private.ttf", [&] {
        QFile font(system);
        return font.open(QIODevice::ReadOnly) ? font.readAll() : QByteArray();
    }());
    const QString file = dir.Path() + "private.ttf";

    ASSERT_TRUE(RegisterTTF(file));
    ASSERT_TRUE(RegisterTTF(dir.Path() + "./private.ttf")); // the same file
    EXPECT_TRUE(RemoveTTF(file));
    EXPECT_TRUE(RemoveTTF(file)); // the font database's own removal of the registered font
    EXPECT_FALSE(RemoveTTF(file));

    dir.Write("not-a-font.ttf", "plain text");
    EXPECT_FALSE(RegisterTTF(dir.Path() + "not-a-font.ttf"));
    EXPECT_FALSE(RegisterTTF(dir.Path() + "missing.ttf"));
    EXPECT_FALSE(RemoveTTF(dir.Path() + "missing.ttf"));
}
