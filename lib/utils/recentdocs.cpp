#include "utils/recentdocs.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "utils/atomicfile_p.h"
#include "utils/paths.h"
#include "utils/xdgpaths_p.h"

namespace vexo {

namespace {

const QString BookmarkNamespace =
    QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString MimeNamespace =
    QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

struct RecentEntry {
    QString Href;
    QString MimeType;
    QString AppName;
    QString Now;
    QString Added; // kept from an earlier entry for the same file
    int Count = 1; // this program's uses of the file
};

// Element names are written as they stand, prefixes included: readers of the list match
// "bookmark:application" literally.
void WriteEntry(QXmlStreamWriter& xml, const RecentEntry& entry) {
    xml.writeCharacters(QStringLiteral("\n  "));
    xml.writeStartElement(QStringLiteral("bookmark"));
    xml.writeAttribute(QStringLiteral("href"), entry.Href);
    xml.writeAttribute(QStringLiteral("added"), entry.Added.isEmpty() ? entry.Now : entry.Added);
    xml.writeAttribute(QStringLiteral("modified"), entry.Now);
    xml.writeAttribute(QStringLiteral("visited"), entry.Now);
    xml.writeCharacters(QStringLiteral("\n    "));
    xml.writeStartElement(QStringLiteral("info"));
    xml.writeCharacters(QStringLiteral("\n      "));
    xml.writeStartElement(QStringLiteral("metadata"));
    xml.writeAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    xml.writeCharacters(QStringLiteral("\n        "));
    xml.writeEmptyElement(QStringLiteral("mime:mime-type"));
    xml.writeAttribute(QStringLiteral("type"), entry.MimeType);
    xml.writeCharacters(QStringLiteral("\n        "));
    xml.writeStartElement(QStringLiteral("bookmark:applications"));
    xml.writeCharacters(QStringLiteral("\n          "));
    xml.writeEmptyElement(QStringLiteral("bookmark:application"));
    xml.writeAttribute(QStringLiteral("name"), entry.AppName);
    xml.writeAttribute(QStringLiteral("exec"), QStringLiteral("'%1 %u'").arg(entry.AppName));
    xml.writeAttribute(QStringLiteral("modified"), entry.Now);
    xml.writeAttribute(QStringLiteral("count"), QString::number(entry.Count));
    xml.writeCharacters(QStringLiteral("\n        "));
    xml.writeEndElement(); // bookmark:applications
    xml.writeCharacters(QStringLiteral("\n      "));
    xml.writeEndElement(); // metadata
    xml.writeCharacters(QStringLiteral("\n    "));
    xml.writeEndElement(); // info
    xml.writeCharacters(QStringLiteral("\n  "));
    xml.writeEndElement(); // bookmark
}

void WriteRootAttributes(QXmlStreamWriter& xml, const QXmlStreamAttributes& attributes) {
    xml.writeAttributes(attributes);
    if (!attributes.hasAttribute(QStringLiteral("version")))
        xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    if (!attributes.hasAttribute(QStringLiteral("xmlns:bookmark")))
        xml.writeAttribute(QStringLiteral("xmlns:bookmark"), BookmarkNamespace);
    if (!attributes.hasAttribute(QStringLiteral("xmlns:mime")))
        xml.writeAttribute(QStringLiteral("xmlns:mime"), MimeNamespace);
}

// Reads the former entry of the same file up to its end: its "added" time and our count.
void SkipFormerEntry(QXmlStreamReader& xml, RecentEntry& entry) {
    entry.Added = xml.attributes().value(QLatin1String("added")).toString();
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            if (xml.qualifiedName() == QLatin1String("bookmark:application") &&
                xml.attributes().value(QLatin1String("name")) == entry.AppName)
                entry.Count = xml.attributes().value(QLatin1String("count")).toInt() + 1;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
}

// Copies the list token by token with `entry` in place of a former one; false when the list
// is not a well-formed XBEL document.
bool Rewrite(const QByteArray& former, RecentEntry& entry, QByteArray& result) {
    QXmlStreamWriter out(&result);
    out.writeStartDocument();
    if (former.trimmed().isEmpty()) {
        out.writeCharacters(QStringLiteral("\n"));
        out.writeStartElement(QStringLiteral("xbel"));
        WriteRootAttributes(out, {});
        WriteEntry(out, entry);
        out.writeCharacters(QStringLiteral("\n"));
        out.writeEndDocument();
        return true;
    }
    QXmlStreamReader in(former);
    in.setNamespaceProcessing(false);
    int depth = 0;
    while (!in.atEnd()) {
        switch (in.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (depth == 1 && in.qualifiedName() != QLatin1String("xbel"))
                return false;
            if (depth == 2 && in.qualifiedName() == QLatin1String("bookmark") &&
                in.attributes().value(QLatin1String("href")) == entry.Href) {
                SkipFormerEntry(in, entry);
                --depth;
                break;
            }
            if (depth == 1)
                out.writeCharacters(QStringLiteral("\n"));
            out.writeStartElement(in.qualifiedName().toString());
            if (depth == 1)
                WriteRootAttributes(out, in.attributes());
            else
                out.writeAttributes(in.attributes());
            break;
        case QXmlStreamReader::EndElement:
            if (depth-- == 1) {
                WriteEntry(out, entry);
                out.writeCharacters(QStringLiteral("\n"));
            }
            out.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            if (in.isCDATA())
                out.writeCDATA(in.text().toString());
            else if (depth > 0)
                out.writeCharacters(in.text().toString());
            break;
        case QXmlStreamReader::Comment:
            out.writeComment(in.text().toString());
            break;
        case QXmlStreamReader::ProcessingInstruction:
            out.writeProcessingInstruction(in.processingInstructionTarget().toString(),
                                           in.processingInstructionData().toString());
            break;
        case QXmlStreamReader::DTD:
            out.writeDTD(in.text().toString());
            break;
        case QXmlStreamReader::EntityReference:
            out.writeEntityReference(in.name().toString());
            break;
        default:
            break;
        }
    }
    if (in.hasError())
        return false;
    out.writeCharacters(QStringLiteral("\n"));
    out.writeEndDocument();
    return true;
}

} // namespace

void AddToRecentDocs(const QString& fileName) {
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.exists())
        return;
    RecentEntry entry;
    entry.Href = QString::fromLatin1(
        QUrl::fromLocalFile(info.absoluteFilePath()).toEncoded(QUrl::FullyEncoded));
    entry.MimeType = QMimeDatabase().mimeTypeForFile(info).name();
    entry.AppName = QCoreApplication::applicationName().isEmpty()
                        ? DefaultName()
                        : QCoreApplication::applicationName();
    entry.Now = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);

    const QString folder = XdgDataHome();
    const QString listName = folder + QStringLiteral("recently-used.xbel");
    QByteArray former;
    QFile file(listName);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return;
        former = file.readAll();
        file.close();
    }
    QByteArray result;
    if (!Rewrite(former, entry, result) || !QDir().mkpath(folder))
        return;
    const bool created = !QFileInfo::exists(listName);
    if (SaveFileAtomically(listName, result) && created)
        QFile::setPermissions(listName, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace vexo
