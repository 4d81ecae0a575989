#include "utils/fileregistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "utils/atomicfile_p.h"
#include "utils/paths.h"
#include "utils/xdgpaths_p.h"

namespace vexo {

namespace {

const QString MimeNamespace =
    QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

// Letters, digits and the punctuation MIME names and desktop file names both allow.
QString SafeName(const QString& text) {
    QString name = text.toLower();
    static const QRegularExpression unsafe(QStringLiteral("[^a-z0-9.+_-]"));
    name.replace(unsafe, QStringLiteral("-"));
    return name;
}

QString MimeTypeName(const QString& typeName) {
    static const QRegularExpression mime(
        QStringLiteral("^[A-Za-z0-9][A-Za-z0-9!#$&^_.+-]*/[A-Za-z0-9][A-Za-z0-9!#$&^_.+-]*$"));
    if (mime.match(typeName).hasMatch())
        return typeName.toLower();
    return QStringLiteral("application/x-") + SafeName(typeName);
}

bool SafeExtension(const QString& extension) {
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9_+~-][A-Za-z0-9._+~-]*$"));
    return safe.match(extension).hasMatch();
}

bool GlobMatches(const QString& glob, const QString& pattern, bool caseSensitive) {
    return glob.compare(pattern, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

// globs2 lines: weight:type:pattern[:flags]; "cs" among the flags makes it case-sensitive.
bool InGlobs2(const QString& fileName, const QString& pattern) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char(':'));
        if (fields.size() >= 3 &&
            GlobMatches(fields[2], pattern,
                        fields.size() > 3 &&
                            fields[3].split(QLatin1Char(',')).contains(QStringLiteral("cs"))))
            return true;
    }
    return false;
}

// Packages not yet compiled into globs2 (no update-mime-database) count as well.
bool InPackages(const QString& folder, const QString& pattern) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.xml")}, QDir::Files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QXmlStreamReader xml(&file);
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement &&
                xml.name() == QLatin1String("glob") &&
                GlobMatches(xml.attributes().value(QLatin1String("pattern")).toString(), pattern,
                            false))
                return true;
    }
    return false;
}

// The counterpart of "the extension's key exists in the classes root".
bool ExtensionRegistered(const QString& extension) {
    const QString pattern = QStringLiteral("*.") + extension;
    for (const QString& folder : XdgDataFolders())
        if (InGlobs2(folder + QStringLiteral("mime/globs2"), pattern))
            return true;
    return InPackages(XdgDataHome() + QStringLiteral("mime/packages"), pattern);
}

QByteArray MimePackage(const QString& mimeType, const QString& comment, const QString& pattern,
                       bool outweigh) {
    QByteArray data;
    QXmlStreamWriter xml(&data);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(MimeNamespace);
    xml.writeStartElement(MimeNamespace, QStringLiteral("mime-info"));
    xml.writeStartElement(MimeNamespace, QStringLiteral("mime-type"));
    xml.writeAttribute(QStringLiteral("type"), mimeType);
    xml.writeTextElement(MimeNamespace, QStringLiteral("comment"), comment);
    xml.writeStartElement(MimeNamespace, QStringLiteral("glob"));
    xml.writeAttribute(QStringLiteral("pattern"), pattern);
    // Above the default weight of 50: a forced registration wins over the type known before.
    if (outweigh)
        xml.writeAttribute(QStringLiteral("weight"), QStringLiteral("80"));
    xml.writeEndDocument();
    return data;
}

// A value of type string: backslash and control characters escaped.
QString DesktopString(const QString& text) {
    QString result;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            result += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            result += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            result += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            result += QStringLiteral("\\r");
        else
            result += c;
    }
    return result;
}

// One argument of an Exec key: "%" doubled, then quoted with ", `, $ and \ escaped inside;
// the string escaping of the whole value comes on top (so a backslash ends up as four).
QString DesktopExecArgument(const QString& argument) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
        if (c == QLatin1Char('%'))
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

QByteArray DesktopEntry(const QString& programPath, const QString& name, const QString& comment,
                        const QString& mimeType) {
    QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nVersion=1.0\n");
    entry += QStringLiteral("Name=") + DesktopString(name) + QLatin1Char('\n');
    if (!comment.isEmpty())
        entry += QStringLiteral("Comment=") + DesktopString(comment) + QLatin1Char('\n');
    entry += QStringLiteral("Exec=") + DesktopString(DesktopExecArgument(programPath)) +
             QStringLiteral(" %f\n");
    // Icons on Linux are files or theme names, not indexes into a program: the program's name.
    const QString icon = ExtractFileNameOnly(programPath);
    if (!icon.isEmpty())
        entry += QStringLiteral("Icon=") + DesktopString(icon) + QLatin1Char('\n');
    entry += QStringLiteral("MimeType=") + mimeType + QStringLiteral(";\n");
    entry += QStringLiteral("NoDisplay=true\nTerminal=false\n");
    return entry.toUtf8();
}

bool WriteInto(const QString& folder, const QString& name, const QByteArray& data) {
    return QDir().mkpath(folder) && SaveFileAtomically(folder + name, data);
}

// Runs a database tool when it is installed; its failure leaves the written files valid.
void RunIfInstalled(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return;
    QProcess process;
    process.start(program, {folder});
    if (!process.waitForFinished(30000))
        process.kill();
    process.waitForFinished();
}

} // namespace

bool RegisterFileExt(const QString& programPath, const QString& typeName,
                     const QString& description, const QString& extension, int iconIndex,
                     bool force) {
    Q_UNUSED(iconIndex)
    const QString ext = extension.startsWith(QLatin1Char('.')) ? extension.mid(1) : extension;
    static const QRegularExpression control(QStringLiteral("[\\x00-\\x1f]"));
    if (programPath.isEmpty() || programPath.contains(control) || typeName.isEmpty() ||
        SafeName(typeName).isEmpty() || !SafeExtension(ext))
        return false;
    const bool registered = ExtensionRegistered(ext);
    if (registered && !force)
        return false;

    const QString mimeType = MimeTypeName(typeName);
    const QString comment = description.isEmpty() ? typeName : description;
    const QString name =
        ExtractFileNameOnly(programPath).isEmpty() ? typeName : ExtractFileNameOnly(programPath);
    const QString home = XdgDataHome();
    const QString mimeFolder = home + QStringLiteral("mime/");
    const QString applications = home + QStringLiteral("applications/");
    if (!WriteInto(mimeFolder + QStringLiteral("packages/"),
                   QString(mimeType).replace(QLatin1Char('/'), QLatin1Char('-')) +
                       QStringLiteral(".xml"),
                   MimePackage(mimeType, comment, QStringLiteral("*.") + ext, registered)) ||
        !WriteInto(
            applications, QStringLiteral("vexo-") + SafeName(typeName) + QStringLiteral(".desktop"),
            DesktopEntry(QFileInfo(programPath).absoluteFilePath(), name, comment, mimeType)))
        return false;
    RunIfInstalled(QStringLiteral("update-mime-database"), mimeFolder);
    RunIfInstalled(QStringLiteral("update-desktop-database"), applications);
    return true;
}

} // namespace vexo
