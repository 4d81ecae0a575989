#pragma once
// The resource strings of the application utilities: the messages of the file routines and
// the texts of ExecError.

#include <QString>

namespace vexo {

inline const QString vexoUtilsNotFound = QStringLiteral("Not found ");
inline const QString vexoUtilsNotCreated = QStringLiteral("Impossible to create ");
inline const QString vexoUtilsCopyToSelf = QStringLiteral("Try to copy into itself ");
inline const QString vexoUtilsCopyManyToOne = QStringLiteral("Try to copy many files to one ");
inline const QString vexoUtilsOpenError = QStringLiteral("Open error ");
inline const QString vexoUtilsReadError = QStringLiteral("Read error ");
inline const QString vexoUtilsWriteError = QStringLiteral("Write error ");
inline const QString vexoUtilsRecourceCopy =
    QStringLiteral(" - Recursive copying. Process is interrupted!");
inline const QString vexoUtilsUnableCreateDir = QStringLiteral("Unable to create directory %s");

inline const QString vexoUtilsFileError0 = QStringLiteral("No memory");
inline const QString vexoUtilsFileError2 = QStringLiteral("File is not found");
inline const QString vexoUtilsFileError3 = QStringLiteral("Directory is not found");
inline const QString vexoUtilsFileError4 = QStringLiteral("Too many open files");
inline const QString vexoUtilsFileError5 = QStringLiteral("Protection error");
inline const QString vexoUtilsFileError6 =
    QStringLiteral("Library requires separate data segments for each task");
inline const QString vexoUtilsFileError8 = QStringLiteral("No memory to run");
inline const QString vexoUtilsFileError10 = QStringLiteral("Wrong Windows version");
inline const QString vexoUtilsFileError11 = QStringLiteral("Corrupted file");
inline const QString vexoUtilsFileError12 = QStringLiteral("Not Windows file");
inline const QString vexoUtilsFileError13 = QStringLiteral("MS-DOS 4.0 file");
inline const QString vexoUtilsFileError14 = QStringLiteral("Unknown file type");
inline const QString vexoUtilsFileError15 = QStringLiteral("Obsolete file type (WINDOWS 3.0)");
inline const QString vexoUtilsFileError16 =
    QStringLiteral("Repeated program running is impossible");
inline const QString vexoUtilsFileError19 = QStringLiteral("Try to run packed file");
inline const QString vexoUtilsFileError20 = QStringLiteral("One of libraries is corrupted");
inline const QString vexoUtilsFileError21 = QStringLiteral("Need 32-bits support");
inline const QString vexoUtilsFileErrorUnknown = QStringLiteral("Uknown error!");

} // namespace vexo
