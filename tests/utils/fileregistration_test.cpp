#include "utils/fileregistration.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "support/testdir.h"
#include "utilsfixtures.h"

using namespace vexo;

namespace {

class RegisterFileExtTest : public ::testing::Test {
protected:
    QString Data(const QString& relative) const { return dir.Path() + "data/" + relative; }
    QStringList GlobsOf(const QString& packageFile) const {
        QFile file(Data("mime/packages/" + packageFile));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList globs;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"glob")
                globs << xml.attributes().value("pattern").toString() + "/" +
                             xml.attributes().value("weight").toString();
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        return globs;
    }

    TestDir dir;
    ScopedEnv dataHome{"XDG_DATA_HOME", (dir.Path() + "data").toLocal8Bit()};
    ScopedEnv dataDirs{"XDG_DATA_DIRS", (dir.Path() + "system").toLocal8Bit()};
};

} // namespace

TEST_F(RegisterFileExtTest, WritesAValidMimePackageAndDesktopEntry) {
    const QString program = "/opt/My App/viewer \"beta\" $HOME 100%";
    ASSERT_TRUE(RegisterFileExt(program, "Vexo.Test Picture", "Test picture", ".vxtp", 3, false));

    EXPECT_EQ(GlobsOf("application-x-vexo.test-picture.xml"), QStringList{"*.vxtp/"});
    const QString desktop = Data("applications/vexo-vexo.test-picture.desktop");
    QFile entry(desktop);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    EXPECT_TRUE(text.contains("Exec=\"/opt/My App/viewer \\\\\"beta\\\\\" \\\\$HOME 100%%\" %f\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("MimeType=application/x-vexo.test-picture;\n"));
    EXPECT_TRUE(text.contains("Icon=viewer \"beta\" $HOME 100%\n"));

    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty()) {
        std::printf("desktop-file-validate is not installed: entry not validated\n");
    } else {
        QProcess validate;
        validate.start(validator, {desktop});
        ASSERT_TRUE(validate.waitForFinished(30000));
        EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().toStdString();
    }
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        QFile globs(Data("mime/globs2"));
        ASSERT_TRUE(globs.open(QIODevice::ReadOnly));
        EXPECT_TRUE(globs.readAll().contains(":application/x-vexo.test-picture:*.vxtp"));
    }
}

TEST_F(RegisterFileExtTest, AKnownExtensionNeedsForce) {
    dir.Write("system/mime/globs2", "# comment\n50:text/plain:*.txt\n50:text/x-c:*.C:cs\n");
    EXPECT_FALSE(RegisterFileExt("/usr/bin/viewer", "Vexo.Text", "Text", "TXT", 0, false));
    EXPECT_FALSE(QDir(Data("applications")).exists());
    EXPECT_TRUE(RegisterFileExt("/usr/bin/viewer", "Vexo.Lower", "C", "c", 0, false));

    ASSERT_TRUE(RegisterFileExt("/usr/bin/viewer", "text/x-vexo", "Text", "txt", 0, true));
    EXPECT_EQ(GlobsOf("text-x-vexo.xml"), QStringList{"*.txt/80"});
    // Registered once, an extension counts as known, also before the database is rebuilt.
    EXPECT_FALSE(RegisterFileExt("/usr/bin/other", "Vexo.Other", "Other", "c", 0, false));
}

TEST_F(RegisterFileExtTest, UnsafeInputWritesNothing) {
    for (const QString& extension : {QString(), QString("a/b"), QString("*"), QString("x y")})
        EXPECT_FALSE(RegisterFileExt("/usr/bin/viewer", "Vexo.Bad", "Bad", extension, 0, true));
    EXPECT_FALSE(RegisterFileExt("/usr/bin/viewer\n", "Vexo.Bad", "Bad", "bad", 0, true));
    EXPECT_FALSE(RegisterFileExt("", "Vexo.Bad", "Bad", "bad", 0, true));
    EXPECT_FALSE(RegisterFileExt("/usr/bin/viewer", "", "Bad", "bad", 0, true));
    EXPECT_FALSE(QDir(Data("")).exists());
}
