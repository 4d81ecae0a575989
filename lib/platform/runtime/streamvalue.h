#pragma once
// The content of a component stream as data: objects with their properties and child objects,
// and the values a property can hold. The text format (streamtext.h) reads and writes this
// tree; the writer and the reader (writer.h, reader.h) turn components into it and back.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace vexo {

struct TStreamProperty;

struct TStreamValue {
    enum TKind { vaInteger, vaFloat, vaString, vaIdent, vaSet, vaList, vaCollection, vaBinary };

    TKind Kind = vaInteger;
    qint64 Integer = 0;
    double Float = 0;
    QString Text;                                    // string or identifier
    QStringList Elements;                            // set
    std::vector<TStreamValue> List;                  // list: any values
    std::vector<std::vector<TStreamProperty>> Items; // collection: each item's properties
    QByteArray Binary;
    int Line = 0; // where the value stands in the text; 0 when made in memory

    // Defined below TStreamProperty: building a value needs the element types complete.
    static TStreamValue Of(TKind kind);
};

struct TStreamProperty {
    QString Name; // dotted for properties of nested objects: "Font.Height"
    TStreamValue Value;
    int Line = 0;
};

inline TStreamValue TStreamValue::Of(TKind kind) {
    TStreamValue value;
    value.Kind = kind;
    return value;
}

struct TStreamObject {
    QString Name; // may be empty
    QString ClassName;
    std::vector<TStreamProperty> Properties;
    std::vector<TStreamObject> Children;
    int Line = 0;
};

} // namespace vexo
