#pragma once
// Forms and controls for the storage tests: real widgets that are components.

#include <QWidget>
#include <functional>

#include "platform/gui/form.h"
#include "platform/runtime/collection.h"
#include "platform/runtime/component.h"
#include "platform/runtime/stringlist.h"
#include "platform/text/font.h"

namespace testforms {

class TTestColumn : public vexo::TCollectionItem {
    Q_OBJECT
    Q_PROPERTY(QString Title MEMBER title)
    Q_PROPERTY(int Width MEMBER width)
public:
    explicit TTestColumn(vexo::TCollection* collection = nullptr)
        : vexo::TCollectionItem(collection) {}
    QString title;
    int width = 64;
};

// The framework's own form under a class name of its own; counts close queries and can
// refuse them.
class TTestForm : public vexo::TForm {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TTestForm(vexo::TComponent* owner = nullptr);
    bool refuseClose = false;
    int closeQueries = 0;
};

// A dialog-style form: not sizeable.
class TTestDialog : public TTestForm {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TTestDialog(vexo::TComponent* owner = nullptr) : TTestForm(owner) {
        SetBorderStyle(bsDialog);
    }
};

class TTestEdit : public QWidget, public vexo::TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    Q_PROPERTY(QString Text MEMBER text)
    Q_PROPERTY(QString Caption MEMBER caption)
    Q_PROPERTY(quint32 Color MEMBER color)
    Q_PROPERTY(int Number MEMBER number)
    Q_PROPERTY(double Ratio MEMBER ratio)
    Q_PROPERTY(float Scale MEMBER scale)
    Q_PROPERTY(bool Checked MEMBER checked)
    Q_PROPERTY(TAlign Align MEMBER align)
    Q_PROPERTY(QChar Letter MEMBER letter)
    Q_PROPERTY(qint64 Big MEMBER big)
    Q_PROPERTY(QVariant Data MEMBER data)
    Q_PROPERTY(vexo::TFont* Font READ Font)
    Q_PROPERTY(vexo::TStrings* Lines READ Lines WRITE SetLines)
    Q_PROPERTY(vexo::TCollection* Columns READ Columns)
    Q_PROPERTY(QObject* Link READ Link WRITE SetLink)
public:
    enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
    Q_ENUM(TAlign)
    Q_INVOKABLE explicit TTestEdit(vexo::TComponent* owner = nullptr);
    ~TTestEdit() override;
    vexo::TFont* Font() const { return font; }
    vexo::TStrings* Lines() const { return lines; }
    void SetLines(vexo::TStrings* value) { lines->Assign(*value); }
    vexo::TCollection* Columns() const { return columns; }
    QObject* Link() const { return link; }
    void SetLink(QObject* value) { link = value; }
    Q_INVOKABLE bool ClickAssigned() const { return bool(OnClick); }

    std::function<void()> OnClick;
    QString text;
    QString caption;
    quint32 color = 0x80000005;
    int number = 0;
    double ratio = 0;
    float scale = 1;
    bool checked = false;
    TAlign align = alNone;
    QChar letter = QLatin1Char('a');
    qint64 big = 0;
    QVariant data;
    vexo::TFont* font;
    vexo::TStringList* lines;
    vexo::TCollection* columns;
    QObject* link = nullptr;
};

// A plain non-visual component.
class TTestButton : public vexo::TComponentObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER caption)
public:
    Q_INVOKABLE explicit TTestButton(vexo::TComponent* owner = nullptr)
        : vexo::TComponentObject(owner) {}
    QString caption;
};

// A class whose name starts with a small "t".
class tLowerThing : public vexo::TComponentObject {
    Q_OBJECT
public:
    Q_INVOKABLE explicit tLowerThing(vexo::TComponent* owner = nullptr)
        : vexo::TComponentObject(owner) {}
};

// Makes a named edit owned by and shown inside form.
TTestEdit* AddEdit(TTestForm* form, const QString& name);

} // namespace testforms
