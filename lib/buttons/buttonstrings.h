#pragma once
// The captions of the standard button kinds (resource strings).

#include <QString>

namespace vexo {

// TvexoTransButton.
inline const QString wtb_CaptionOk = QStringLiteral("OK");
inline const QString wtb_CaptionCancel = QStringLiteral("Cancel");
inline const QString wtb_CaptionYes = QStringLiteral("Yes");
inline const QString wtb_CaptionNo = QStringLiteral("No");
inline const QString wtb_CaptionClose = QStringLiteral("Close");

// TvexoBitBtn.
inline const QString SOKButton = QStringLiteral("OK");
inline const QString SCancelButton = QStringLiteral("Cancel");
inline const QString SHelpButton = QStringLiteral("&Help");
inline const QString SYesButton = QStringLiteral("&Yes");
inline const QString SNoButton = QStringLiteral("&No");
inline const QString SCloseButton = QStringLiteral("&Close");
inline const QString SAbortButton = QStringLiteral("A&bort");
inline const QString SRetryButton = QStringLiteral("&Repeat");
inline const QString SIgnoreButton = QStringLiteral("&Ignore");
inline const QString SAllButton = QStringLiteral("&All");

} // namespace vexo
