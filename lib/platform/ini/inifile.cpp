#include "platform/ini/inifile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <limits>

#include "platform/runtime/stringlist.h"

namespace vexo {

namespace {

enum class LineKind { Other, Section, Key };

struct Line {
    QByteArray raw;  // without its line end
    bool cr = false; // ended with "\r\n"
    LineKind kind = LineKind::Other;
    QString name; // section name or key
    QString value;
    bool hasValue = false; // a key line with "="; a bare key line has no value
};

// The file as lines. Untouched lines are written back exactly as they were read.
class IniDocument {
public:
    explicit IniDocument(const QString& fileName) : fileName_(fileName) {}

    // Reads the file; a missing file is an empty document. Returns false when the file exists
    // but cannot be read.
    bool Load() {
        QFile file(fileName_);
        if (!file.exists())
            return true;
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QByteArray data = file.readAll();
        if (data.startsWith("\xEF\xBB\xBF")) {
            bom_ = true;
            data.remove(0, 3);
        }
        if (data.isEmpty())
            return true;
        trailingBreak_ = data.endsWith('\n');
        QList<QByteArray> parts = data.split('\n');
        if (trailingBreak_)
            parts.removeLast();
        for (const QByteArray& part : parts) {
            Line line;
            line.raw = part;
            if (line.raw.endsWith('\r')) {
                line.raw.chop(1);
                line.cr = true;
                crlf_ = true;
            }
            Parse(line);
            lines_.append(line);
        }
        return true;
    }

    void Save() {
        QByteArray data;
        if (bom_)
            data += "\xEF\xBB\xBF";
        for (qsizetype i = 0; i < lines_.size(); ++i) {
            data += lines_.at(i).raw;
            if (i + 1 < lines_.size() || trailingBreak_)
                data += lines_.at(i).cr ? "\r\n" : "\n";
        }
        QSaveFile file(fileName_);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
            throw EIniFileException(QStringLiteral("Unable to write to %1").arg(fileName_));
    }

    // Index of the first header of the section, -1 when absent.
    qsizetype FindSection(const QString& section) const {
        for (qsizetype i = 0; i < lines_.size(); ++i)
            if (lines_.at(i).kind == LineKind::Section &&
                lines_.at(i).name.compare(section.trimmed(), Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }

    // One past the last line of the section whose header is at header.
    qsizetype SectionEnd(qsizetype header) const {
        qsizetype i = header + 1;
        while (i < lines_.size() && lines_.at(i).kind != LineKind::Section)
            ++i;
        return i;
    }

    qsizetype FindKey(qsizetype header, const QString& ident) const {
        const QString key = ident.trimmed();
        const qsizetype end = SectionEnd(header);
        for (qsizetype i = header + 1; i < end; ++i)
            if (lines_.at(i).kind == LineKind::Key &&
                lines_.at(i).name.compare(key, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }

    QList<Line>& Lines() { return lines_; }
    const QList<Line>& Lines() const { return lines_; }

    Line MakeLine(const QString& text) const {
        Line line;
        line.raw = text.toUtf8();
        line.cr = crlf_;
        Parse(line);
        return line;
    }

    void SetTrailingBreak() { trailingBreak_ = true; }

private:
    // The classic rules: a line opens a section only when it starts with "[" and holds a "]",
    // and the name runs to the last "]" (so "[a]b]" is the section "a]b" and "[x=1" is a key);
    // a key runs to the first "=", and a line without "=" is a key without a value.
    static void Parse(Line& line) {
        const QString text = QString::fromUtf8(line.raw).trimmed();
        if (text.startsWith(QLatin1Char('['))) {
            const qsizetype close = text.lastIndexOf(QLatin1Char(']'));
            if (close > 0) {
                line.kind = LineKind::Section;
                line.name = text.mid(1, close - 1).trimmed();
                return;
            }
        }
        if (text.isEmpty() || text.startsWith(QLatin1Char(';')) ||
            text.startsWith(QLatin1Char('#')))
            return;
        const qsizetype eq = text.indexOf(QLatin1Char('='));
        line.name = (eq < 0 ? text : text.left(eq)).trimmed();
        if (line.name.isEmpty())
            return;
        line.kind = LineKind::Key;
        line.hasValue = eq >= 0;
        if (line.hasValue)
            line.value = text.mid(eq + 1).trimmed();
    }

    QString fileName_;
    QList<Line> lines_;
    bool bom_ = false;
    bool crlf_ = false;
    bool trailingBreak_ = true;
};

QString OneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// One pair of matching quotes around a value is taken off, as the classic read does, so that
// a value can keep blanks at its ends: "  padded  " reads as the blanks and the word.
QString Unquoted(const QString& value) {
    if (value.size() >= 2 &&
        (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

// A key the line format cannot hold would be read back as something else (a comment, a
// section header, another key) and every later write would add one more line: refuse it.
QString CheckedKey(const QString& ident, const QString& fileName) {
    const QString key = OneLine(ident).trimmed();
    if (key.isEmpty() || key.startsWith(QLatin1Char(';')) || key.startsWith(QLatin1Char('#')) ||
        key.startsWith(QLatin1Char('[')) || key.contains(QLatin1Char('=')))
        throw EIniFileException(
            QStringLiteral("Unable to write to %1: the key \"%2\" cannot be stored in an INI file "
                           "(a key must not be empty, start with \";\", \"#\" or \"[\", or "
                           "hold \"=\")")
                .arg(fileName, key));
    return key;
}

IniDocument LoadForWrite(const QString& fileName) {
    IniDocument doc(fileName);
    // Writing over a file that could not be read would lose its contents.
    if (!doc.Load())
        throw EIniFileException(QStringLiteral("Unable to write to %1").arg(fileName));
    return doc;
}

IniDocument LoadForRead(const QString& fileName) {
    IniDocument doc(fileName);
    doc.Load();
    return doc;
}

} // namespace

TIniFile::TIniFile(QString fileName) : fileName_(std::move(fileName)) {}

TIniFile::~TIniFile() = default;

QString TIniFile::ReadString(const QString& section, const QString& ident,
                             const QString& defaultValue) const {
    const IniDocument doc = LoadForRead(fileName_);
    const qsizetype header = doc.FindSection(section);
    if (header < 0)
        return defaultValue;
    const qsizetype key = doc.FindKey(header, ident);
    if (key < 0 || !doc.Lines().at(key).hasValue)
        return defaultValue;
    return Unquoted(doc.Lines().at(key).value).left(MaxValueLength);
}

void TIniFile::WriteString(const QString& section, const QString& ident, const QString& value) {
    const QString name = OneLine(section).trimmed();
    const QString key = CheckedKey(ident, fileName_);
    IniDocument doc = LoadForWrite(fileName_);
    QList<Line>& lines = doc.Lines();
    const Line line = doc.MakeLine(key + QLatin1Char('=') + OneLine(value));
    const qsizetype header = doc.FindSection(name);
    if (header < 0) {
        doc.SetTrailingBreak();
        lines.append(doc.MakeLine(QLatin1Char('[') + name + QLatin1Char(']')));
        lines.append(line);
    } else if (const qsizetype found = doc.FindKey(header, key); found >= 0) {
        const bool cr = lines.at(found).cr;
        lines[found] = line;
        lines[found].cr = cr;
    } else {
        // After the section's last non-blank line, so that blank separators stay in place.
        qsizetype at = doc.SectionEnd(header);
        while (at > header + 1 && lines.at(at - 1).raw.trimmed().isEmpty())
            --at;
        if (at == lines.size())
            doc.SetTrailingBreak();
        lines.insert(at, line);
    }
    doc.Save();
}

qint32 TIniFile::ReadInteger(const QString& section, const QString& ident,
                             qint32 defaultValue) const {
    const QString text = ReadString(section, ident, QString());
    if (text.isEmpty())
        return defaultValue;
    bool ok = false;
    qint64 value = 0;
    if (text.startsWith(QLatin1Char('$')))
        value = text.mid(1).toLongLong(&ok, 16);
    else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = text.mid(2).toLongLong(&ok, 16);
    else
        value = text.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<qint32>::min() ||
        value > std::numeric_limits<quint32>::max())
        return defaultValue;
    return qint32(value);
}

void TIniFile::WriteInteger(const QString& section, const QString& ident, qint32 value) {
    WriteString(section, ident, QString::number(value));
}

bool TIniFile::ReadBool(const QString& section, const QString& ident, bool defaultValue) const {
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteBool(const QString& section, const QString& ident, bool value) {
    WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TIniFile::SectionExists(const QString& section) const {
    return LoadForRead(fileName_).FindSection(section) >= 0;
}

bool TIniFile::ValueExists(const QString& section, const QString& ident) const {
    const IniDocument doc = LoadForRead(fileName_);
    const qsizetype header = doc.FindSection(section);
    return header >= 0 && doc.FindKey(header, ident) >= 0;
}

void TIniFile::ReadSection(const QString& section, TStrings& keys) const {
    const IniDocument doc = LoadForRead(fileName_);
    keys.BeginUpdate();
    keys.Clear();
    const qsizetype header = doc.FindSection(section);
    if (header >= 0) {
        const qsizetype end = doc.SectionEnd(header);
        for (qsizetype i = header + 1; i < end; ++i)
            if (doc.Lines().at(i).kind == LineKind::Key)
                keys.Add(doc.Lines().at(i).name);
    }
    keys.EndUpdate();
}

void TIniFile::ReadSections(TStrings& sections) const {
    const IniDocument doc = LoadForRead(fileName_);
    sections.BeginUpdate();
    sections.Clear();
    for (const Line& line : doc.Lines())
        if (line.kind == LineKind::Section)
            sections.Add(line.name);
    sections.EndUpdate();
}

void TIniFile::ReadSectionValues(const QString& section, TStrings& lines) const {
    const IniDocument doc = LoadForRead(fileName_);
    lines.BeginUpdate();
    lines.Clear();
    const qsizetype header = doc.FindSection(section);
    if (header >= 0) {
        const qsizetype end = doc.SectionEnd(header);
        for (qsizetype i = header + 1; i < end; ++i) {
            const Line& line = doc.Lines().at(i);
            if (line.kind == LineKind::Key)
                lines.Add(line.hasValue
                              ? line.name + QLatin1Char('=') + line.value.left(MaxValueLength)
                              : line.name);
        }
    }
    lines.EndUpdate();
}

void TIniFile::EraseSection(const QString& section) {
    IniDocument doc = LoadForWrite(fileName_);
    bool changed = false;
    for (qsizetype header = doc.FindSection(section); header >= 0;
         header = doc.FindSection(section)) {
        doc.Lines().remove(header, doc.SectionEnd(header) - header);
        changed = true;
    }
    if (changed)
        doc.Save();
}

void TIniFile::DeleteKey(const QString& section, const QString& ident) {
    IniDocument doc = LoadForWrite(fileName_);
    const qsizetype header = doc.FindSection(section);
    if (header < 0)
        return;
    const qsizetype key = doc.FindKey(header, ident);
    if (key < 0)
        return;
    doc.Lines().removeAt(key);
    doc.Save();
}

void TIniFile::RenameKey(const QString& section, const QString& oldIdent, const QString& newIdent) {
    const QString newKey = CheckedKey(newIdent, fileName_);
    IniDocument doc = LoadForWrite(fileName_);
    const qsizetype header = doc.FindSection(section);
    if (header < 0)
        return;
    const qsizetype key = doc.FindKey(header, oldIdent);
    if (key < 0)
        return;
    QList<Line>& lines = doc.Lines();
    const bool cr = lines.at(key).cr;
    lines[key] = doc.MakeLine(
        lines.at(key).hasValue ? newKey + QLatin1Char('=') + lines.at(key).value : newKey);
    lines[key].cr = cr;
    for (qsizetype i = doc.SectionEnd(header) - 1; i > header; --i)
        if (i != key && lines.at(i).kind == LineKind::Key &&
            lines.at(i).name.compare(newKey, Qt::CaseInsensitive) == 0)
            lines.removeAt(i);
    doc.Save();
}

} // namespace vexo
