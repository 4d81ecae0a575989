#pragma once
// The writer of component streams: a component (a form, usually) and the components it owns
// become a stream object tree (streamvalue.h), written out as text by streamtext.h.
//
// What is written of each component: its name and class, every published property that is
// stored and differs from its stream default (a property without a recorded default is
// written unless it is an empty text, an empty list, a zero float or a null variant), the
// properties of nested objects such as the Font as "Font.Height", collections, string lists
// as "Lines.Strings", references to other components by name, and the properties its class
// defines in DefineProperties. A class can make a published property's storing depend on its
// state with Q_CLASSINFO("Stored.<property>", "<method>"), naming a Q_INVOKABLE method that
// returns bool (false: the property is not written).
//
// The components owned by the root are written as its children, each control inside the
// control that contains it; components owned by other components are their owners' business
// and are not written.

#include <QByteArray>
#include <QString>
#include <vector>

#include "platform/runtime/filer.h"
#include "platform/runtime/streamvalue.h"
#include "platform/runtime/typinfo.h"

namespace vexo {

class TCollection;

class VEXO_PLATFORM_EXPORT TWriter : public TFiler {
public:
    explicit TWriter(TComponent* root);

    // The stream of the root and the components it owns. Raises EWriteError for a property
    // whose value cannot be streamed and for a defined property that does not write exactly
    // one value.
    TStreamObject WriteRootComponent();
    // The items of a collection as a collection value.
    TStreamValue WriteCollection(const TCollection& collection);
    // The value a defined property's writer writes, whatever its has-data flag says.
    TStreamValue WriteDefinedValue(const TWriterProc& write);
    // A component as the root's stream names it: the root's own name, the name of a
    // component the root owns, or "Owner.Name" for one of another owner; empty for a component
    // without a name.
    QString ComponentRef(const TComponent* component) const;

    // The values of a defined property.
    void WriteInteger(qint64 value);
    void WriteFloat(double value);
    void WriteBoolean(bool value);
    void WriteString(const QString& value);
    void WriteIdent(const QString& value);
    void WriteBinary(const QByteArray& value);
    void WriteListBegin();
    void WriteListEnd();

    void DefineProperty(const QString& name, TReaderProc read, TWriterProc write,
                        bool hasData) override;
    TComponent* Root() const override { return root_; }

private:
    TStreamObject WriteComponent(TComponent* component);
    void WriteProperties(const QObject* object, const QString& prefix,
                         std::vector<TStreamProperty>& out, int depth);
    bool PropertyValue(const QObject* object, const TPropInfo& prop, TStreamValue& value) const;
    void Append(TStreamValue value);

    TComponent* root_;
    std::vector<std::vector<TStreamValue>> open_; // the values written so far, by open list
    std::vector<TStreamProperty>* defined_ = nullptr;
};

// The component that holds `component` in the root's stream: the nearest component owned by
// the root among its Qt parents (a control's visual parents), else the root.
VEXO_PLATFORM_EXPORT TComponent* StreamContainer(const TComponent* component,
                                                 const TComponent* root);

} // namespace vexo
