#pragma once
// The reader of component streams: a stream object tree (parsed from text by streamtext.h) is
// read into a root component (a form, usually), all or nothing.
//
// The root's own properties are set; every child object is either the component of that
// name the root already owns (of the same class), or a new one created by class name through
// the class registry, owned by the root and placed in the component that contains it in the
// stream. Properties are set in stream order, those a class defines (DefineProperties) once
// every component of the stream exists, references to components once everything is read
// (by name: "Edit1", or "Form2.Edit1" for another form's); then Loaded runs on each component
// read, the root first, with csLoading and csReading set until then.
//
// A fault (an unknown class or property, a value the property does not take, an unresolved
// reference, a component whose setter refuses its value) raises EReadError naming the line
// and undoes the whole reading: the components it created are freed, and the properties,
// collections, defined properties, names and places it changed on existing components are
// put back.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>
#include <vector>

#include "platform/runtime/filer.h"
#include "platform/runtime/streamvalue.h"

class QObject;

namespace vexo {

// How a component read from a stream joins the component that contains it there: the widget
// layer makes a control a visual child of the container. With `show` the control becomes
// visible with its new parent (a control the stream creates), otherwise it keeps its own
// visibility. Without a hook components only join their owner.
using TStreamParentHook = void (*)(QObject* child, QObject* container, bool show);
VEXO_PLATFORM_EXPORT void SetStreamParentHook(TStreamParentHook hook);

class VEXO_PLATFORM_EXPORT TReader : public TFiler {
public:
    explicit TReader(TComponent* root);
    ~TReader() override;
    TReader(const TReader&) = delete;
    TReader& operator=(const TReader&) = delete;

    // Reads `object` into the root; `object` must name the root's class (or a base class).
    void ReadRootComponent(const TStreamObject& object);

    // The value of a defined property, read by its reader procedure. A value of another kind
    // than asked raises EReadError with the value's line.
    qint64 ReadInteger();
    double ReadFloat(); // an integer is taken too
    bool ReadBoolean();
    QString ReadString();
    QString ReadIdent();
    QByteArray ReadBinary();
    void ReadListBegin();
    bool EndOfList() const;
    void ReadListEnd();
    // The line of the value read next (or of the property, at the end of a list).
    int Line() const;

    void DefineProperty(const QString& name, TReaderProc read, TWriterProc write,
                        bool hasData) override;
    TComponent* Root() const override { return root_; }

private:
    struct TSession;
    struct TTarget;
    struct TDefined {
        TReaderProc Read;
        TWriterProc Write;
    };

    void ReadObject(const TStreamObject& node, TComponent* component, bool existing,
                    QObject* container);
    void ReadChild(const TStreamObject& node, QObject* container);
    void ReadProperty(const TTarget& target, const QHash<QString, TDefined>& defined,
                      const TStreamProperty& property);
    void ApplyValue(const TTarget& target, const QString& name, const TStreamValue& value);
    void ReadCollection(const TTarget& target, QObject* collection, const TStreamValue& value);
    void ReadStrings(const TTarget& target, QObject* strings, const TStreamValue& value);
    void RunDefined();
    void ResolveReferences();
    QObject* FindReference(const QString& name) const;
    void Rollback();
    void Commit();
    [[noreturn]] void Fail(int line, const QString& message) const;
    const TStreamValue& NextValue(const char* expected);

    TComponent* root_;
    std::unique_ptr<TSession> session_;
    // DefineProperties collects here while a component is examined.
    QHash<QString, TDefined>* collecting_ = nullptr;
    // The values a defined property's reader is reading: open lists, innermost last.
    struct TCursor {
        const std::vector<TStreamValue>* Values;
        std::size_t Index;
        int Line;
    };
    std::vector<TCursor> cursor_;
    QString context_; // "Edit1.OutList", for messages
};

} // namespace vexo
