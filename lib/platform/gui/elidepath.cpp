#include "platform/gui/elidepath.h"

namespace vexo {

QString ElidePath(const QString& path, const TCanvas& canvas, int maxWidth) {
    const QString ellipsis = QStringLiteral(".../");
    const qsizetype cut = path.lastIndexOf(QLatin1Char('/')) + 1;
    QString folder = path.left(cut);
    const QString name = path.mid(cut);
    QString result = path;
    while (!folder.isEmpty() && canvas.TextWidth(result) > maxWidth) {
        if (folder == QStringLiteral("/.../")) {
            folder = ellipsis;
        } else if (folder == QStringLiteral("/")) {
            folder.clear();
        } else {
            const bool rooted = folder.startsWith(QLatin1Char('/'));
            if (rooted)
                folder.remove(0, 1);
            // Only an earlier ellipsis is dropped here: folder names may start with ".".
            if (folder.startsWith(ellipsis))
                folder.remove(0, ellipsis.size());
            const qsizetype slash = folder.indexOf(QLatin1Char('/'));
            folder = slash >= 0 ? ellipsis + folder.mid(slash + 1) : QString();
            if (rooted)
                folder.prepend(QLatin1Char('/'));
        }
        result = folder + name;
    }
    return result;
}

} // namespace vexo
