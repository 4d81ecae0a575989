#pragma once
// Starting other programs and opening documents.

#include <QString>

#include "vexo/utils_export.h"

namespace vexo {

// Starts `file`. A program (an executable file, by path or found on PATH) starts directly with
// `parameters` split into words as a shell splits them (quotes group words, nothing is
// expanded); anything else that exists - a document, a folder - or a URL opens in the user's
// default application through xdg-open, the desktop's counterpart of the shell's execute
// operation (the parameters then do not apply). `showCommand` has no counterpart: the window
// manager places the new window.
//
// With `wait`, events keep being processed while the process runs, until it has ended or the
// application is quitting; `exitCode` (when given) then receives its exit status, 128 + the
// signal number when a signal ended it, or -1 when the wait was cut short. Returns empty text
// on a successful start, else ExecError of the reason.
VEXO_UTILS_EXPORT QString Exec(const QString& file, const QString& parameters, int showCommand,
                               bool wait, int* exitCode = nullptr);

// The message for an errno value of a failed start, in the words of the classic start-error
// table: ENOENT "File is not found", ENOTDIR "Directory is not found", EMFILE/ENFILE "Too many
// open files", EACCES/EPERM "Protection error", EAGAIN "No memory", ENOMEM/E2BIG "No memory
// to run", ENOEXEC "Corrupted file", ELIBEXEC "Unknown file type", ELIBACC/ELIBBAD "One of
// libraries is corrupted"; any other code "Uknown error!".
VEXO_UTILS_EXPORT QString ExecError(int code);

} // namespace vexo
