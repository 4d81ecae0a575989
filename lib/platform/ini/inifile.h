#pragma once
// INI files with the classic private-profile behaviour, so that other programs reading and
// writing the same file agree with us:
// - a line that starts with "[" and holds a "]" opens a section named by the text up to the
//   last "]"; any other line is a key line ("key=value", or a bare "key" without a value),
//   a comment (";" or "#") or blank;
// - sections and keys are found in any letter case; the first of duplicates is read and
//   written; keys and values are trimmed; a read takes one pair of matching quotes ("..." or
//   '...') off the value; a value read is at most 2047 characters; a missing key, or a bare
//   key, gives the caller's default;
// - every write goes to the file at once and keeps every other line byte for byte (order,
//   comments, blank lines, spacing, line ends, other encodings); the file is replaced
//   atomically, and a failed write raises EIniFileException naming the file. A bare key line
//   is written over in place. Keys the format cannot hold (empty, starting with ";", "#" or
//   "[", or holding "=") are refused with EIniFileException naming the key, nothing written.
// Files are UTF-8; files we create have LF line ends. Line breaks inside written keys and
// values become blanks, since they would split the line. Values are written as given.

#include <QString>

#include "platform/runtime/exception.h"
#include "vexo/platform_export.h"

namespace vexo {

class TStrings;

// "Unable to write to %s".
VEXO_DECLARE_EXCEPTION(EIniFileException, Exception)

class VEXO_PLATFORM_EXPORT TIniFile {
public:
    static constexpr int MaxValueLength = 2047;

    explicit TIniFile(QString fileName);
    virtual ~TIniFile();

    const QString& FileName() const { return fileName_; }

    QString ReadString(const QString& section, const QString& ident,
                       const QString& defaultValue) const;
    // Raises EIniFileException for a key the format cannot hold or a file it cannot write.
    void WriteString(const QString& section, const QString& ident, const QString& value);
    // Decimal, or hexadecimal after "$" or "0x"; anything else gives the default.
    qint32 ReadInteger(const QString& section, const QString& ident, qint32 defaultValue) const;
    void WriteInteger(const QString& section, const QString& ident, qint32 value);
    // An integer other than 0 is true.
    bool ReadBool(const QString& section, const QString& ident, bool defaultValue) const;
    // "1" or "0".
    void WriteBool(const QString& section, const QString& ident, bool value);

    bool SectionExists(const QString& section) const;
    // True when the key has a line in the section, bare or with a value.
    bool ValueExists(const QString& section, const QString& ident) const;
    // Key names of the section in file order, bare keys too (cleared first).
    void ReadSection(const QString& section, TStrings& keys) const;
    // Names of all sections in file order (cleared first).
    void ReadSections(TStrings& sections) const;
    // "key=value" for every key line of the section in file order, just "key" for a bare key
    // (cleared first). Values come as the file holds them, quotes included, as the classic
    // section read gives them, so that copying a section keeps its values exactly.
    void ReadSectionValues(const QString& section, TStrings& lines) const;
    // Removes every section of that name with all its lines.
    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& ident);
    // Gives the key oldIdent the name newIdent in place, keeping its value; another key of the
    // new name in that section is removed. A missing key changes nothing; a newIdent the
    // format cannot hold is refused as in WriteString.
    void RenameKey(const QString& section, const QString& oldIdent, const QString& newIdent);

private:
    QString fileName_;
};

} // namespace vexo
