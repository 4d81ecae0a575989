#include "utils/recentdocs.h"

#include <QFile>
#include <QUrl>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/testdir.h"
#include "utilsfixtures.h"

using namespace vexo;

namespace {

const QByteArray OtherEntry =
    "<bookmark href=\"file:///home/u/other.odt\" added=\"2020-01-01T00:00:00Z\">"
    "<info><metadata owner=\"http://freedesktop.org\"><mime:mime-type type=\"x/y\"/>"
    "<bookmark:applications><bookmark:application name=\"writer\" exec=\"'w %u'\" "
    "count=\"4\"/></bookmark:applications></metadata></info></bookmark>";
const QByteArray ThirdEntry = "<bookmark href=\"file:///tmp/third.txt\"><!-- note --></bookmark>";

struct Bookmark {
    QString Href, Added, Count, MimeType;
};

// The list's bookmarks; fails the test when it is not well-formed, namespaces included.
QList<Bookmark> Bookmarks(const QByteArray& xbel) {
    QXmlStreamReader xml(xbel);
    QList<Bookmark> bookmarks;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attributes = xml.attributes();
        if (xml.qualifiedName() == u"bookmark")
            bookmarks << Bookmark{
                attributes.value("href").toString(), attributes.value("added").toString(), {}, {}};
        else if (xml.qualifiedName() == u"bookmark:application")
            bookmarks.last().Count = attributes.value("count").toString();
        else if (xml.qualifiedName() == u"mime:mime-type")
            bookmarks.last().MimeType = attributes.value("type").toString();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return bookmarks;
}

class RecentDocsTest : public ::testing::Test {
protected:
    QString Href(const QString& relative) const {
        return QString::fromLatin1(QUrl::fromLocalFile(dir.Path() + relative).toEncoded());
    }
    TestDir dir;
    ScopedEnv dataHome{"XDG_DATA_HOME", (dir.Path() + "data").toLocal8Bit()};
};

} // namespace

TEST_F(RecentDocsTest, ANewListHoldsTheDocumentAndIsPrivate) {
    dir.Write("my doc.txt", "x");
    AddToRecentDocs(dir.Path() + "my doc.txt");
    AddToRecentDocs(dir.Path() + "missing.txt");
    const QList<Bookmark> bookmarks = Bookmarks(dir.Read("data/recently-used.xbel"));
    ASSERT_EQ(bookmarks.size(), 1);
    EXPECT_EQ(bookmarks[0].Href, Href("my doc.txt"));
    EXPECT_EQ(bookmarks[0].MimeType, "text/plain");
    EXPECT_EQ(bookmarks[0].Count, "1");
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(dir.Path() + "data/recently-used.xbel"), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(RecentDocsTest, OtherEntriesStayAndTheSameDocumentIsCountedOnce) {
    dir.Write("data/recently-used.xbel",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- kept -->\n<xbel version=\"1.0\" "
              "xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\" "
              "xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\">\n" +
                  OtherEntry + "\n" + ThirdEntry + "\n</xbel>\n");
    dir.Write("doc.txt", "x");
    AddToRecentDocs(dir.Path() + "doc.txt");
    const QString added = Bookmarks(dir.Read("data/recently-used.xbel")).last().Added;
    AddToRecentDocs(dir.Path() + "doc.txt");

    const QByteArray list = dir.Read("data/recently-used.xbel");
    EXPECT_TRUE(list.contains(OtherEntry));
    EXPECT_TRUE(list.contains(ThirdEntry));
    EXPECT_TRUE(list.contains("<!-- kept -->"));
    const QList<Bookmark> bookmarks = Bookmarks(list);
    ASSERT_EQ(bookmarks.size(), 3);
    EXPECT_EQ(bookmarks[2].Href, Href("doc.txt"));
    EXPECT_EQ(bookmarks[2].Count, "2");
    EXPECT_EQ(bookmarks[2].Added, added);
}

TEST_F(RecentDocsTest, AListThatIsNotXbelIsLeftAlone) {
    dir.Write("doc.txt", "x");
    for (const QByteArray& broken :
         {QByteArray("<xbel><bookmark></xbel>"), QByteArray("<other/>")}) {
        dir.Write("data/recently-used.xbel", broken);
        AddToRecentDocs(dir.Path() + "doc.txt");
        EXPECT_EQ(dir.Read("data/recently-used.xbel"), broken);
    }
}
