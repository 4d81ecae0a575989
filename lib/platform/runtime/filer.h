#pragma once
// What a component class sees of streaming: DefineProperties hands a filer the properties the
// class keeps beyond its published ones (an Enter-as-Tab component's list of controls, for
// instance), each with a procedure that writes its value and one that reads it back. The
// writer and the reader of component streams are the two filers.

#include <QString>
#include <functional>

#include "platform/runtime/exception.h"
#include "vexo/platform_export.h"

namespace vexo {

class TComponent;
class TReader;
class TWriter;

VEXO_DECLARE_EXCEPTION(EFilerError, EStreamError)
VEXO_DECLARE_EXCEPTION(EWriteError, EFilerError)

// A stream that cannot be read; the message names the line ("Line 12: ...").
class VEXO_PLATFORM_EXPORT EReadError : public EFilerError {
public:
    EReadError(int line, const QString& message);
    int Line() const { return line_; }
    // The message without the line.
    const QString& Reason() const { return reason_; }

private:
    int line_;
    QString reason_;
};

using TReaderProc = std::function<void(TReader&)>;
using TWriterProc = std::function<void(TWriter&)>;

class VEXO_PLATFORM_EXPORT TFiler {
public:
    virtual ~TFiler();
    // `write` writes exactly one value (a list may hold many) and runs only when `hasData`;
    // `read` reads that value back.
    virtual void DefineProperty(const QString& name, TReaderProc read, TWriterProc write,
                                bool hasData) = 0;
    // The component at the top of the stream (a form, usually).
    virtual TComponent* Root() const = 0;

protected:
    TFiler() = default;
};

} // namespace vexo
