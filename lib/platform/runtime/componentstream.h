#pragma once
// Components as text and files: a form and what it owns written to the stream text of
// streamtext.h, and read back (see writer.h and reader.h for what is written and how reading
// undoes itself on a fault).

#include <QString>

#include "platform/runtime/component.h"
#include "platform/runtime/filer.h"

namespace vexo {

// The stream text of `root` and the components it owns.
VEXO_PLATFORM_EXPORT QString ComponentToText(TComponent* root);
// Reads stream text into `root`, all or nothing; raises EReadError naming the line.
VEXO_PLATFORM_EXPORT void ReadComponentText(const QString& text, TComponent* root);
// Creates the stream's root by its class name with `owner` and reads the stream into it;
// on a fault nothing of it is left. Raises EReadError naming the line.
VEXO_PLATFORM_EXPORT TComponent* CreateComponentFromText(const QString& text, TComponent* owner);

// The stream text in a UTF-8 file, replaced atomically; raises EFCreateError "Cannot create
// file %s" when it cannot be written.
VEXO_PLATFORM_EXPORT void WriteComponentResFile(const QString& fileName, TComponent* instance);
// Reads a stream file into `instance`, or into a new component of the stream's class (owned
// by none) when `instance` is none; returns the component read. Raises EFOpenError "Cannot
// open file %s" and EReadError.
VEXO_PLATFORM_EXPORT TComponent* ReadComponentResFile(const QString& fileName,
                                                      TComponent* instance);

} // namespace vexo
