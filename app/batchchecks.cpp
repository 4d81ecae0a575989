#include "app/batchchecks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

#include "app/maintexts.h"

namespace varnova {

bool SameTextAsciiCase(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= u'A' && x <= u'Z')
            x = char16_t(x + 32);
        if (y >= u'A' && y <= u'Z')
            y = char16_t(y + 32);
        if (x != y)
            return false;
    }
    return true;
}

bool SameFolder(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    struct stat sa {};
    struct stat sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return S_ISDIR(sa.st_mode) && S_ISDIR(sb.st_mode) && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

int CheckSettings(const TBatchSettings& settings) {
    return CheckNormalizedSettings(settings.Normalized());
}

int CheckNormalizedSettings(const TBatchSettings& s) {
    if (s.SourceDir.isEmpty() || s.ResultDir.isEmpty())
        return mtSelectFolders;
    if (s.WorkImagePath.isEmpty())
        return mtSelectWorkImage;
    // The texts compared are the full paths (never shortened display forms), and the same
    // folder reached by another spelling is refused too: results would replace their sources.
    if (SameTextAsciiCase(s.SourceDir, s.ResultDir) || SameFolder(s.SourceDir, s.ResultDir))
        return mtSameFolders;
    return -1;
}

bool TReplaceGuard::WouldReplace(const TBatchSettings& s, const QString& name) {
    if (!valid_ || s.WorkImagePath != workPath_ || s.ResultDir != resultDir_) {
        workPath_ = s.WorkImagePath;
        resultDir_ = s.ResultDir;
        const QFileInfo work(workPath_);
        const QString workFolder = QFileInfo(work.absolutePath()).canonicalFilePath();
        workNamed_ = workFolder.isEmpty() ? QString() : QDir(workFolder).filePath(work.fileName());
        workTarget_ = work.canonicalFilePath();
        resultFolder_ = QFileInfo(resultDir_).canonicalFilePath();
        valid_ = true;
    }
    if (resultFolder_.isEmpty())
        return false;
    const QString target = QDir(resultFolder_).filePath(name);
    return target == workNamed_ || target == workTarget_;
}

bool WouldReplaceWorkImage(const QString& workImagePath, const QString& resultDir,
                           const QString& name) {
    TReplaceGuard guard;
    TBatchSettings s;
    s.WorkImagePath = workImagePath;
    s.ResultDir = resultDir;
    return guard.WouldReplace(s, name);
}

} // namespace varnova
